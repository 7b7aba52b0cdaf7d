#include <gtest/gtest.h>

#include <fstream>

#include "SoundFiles.h"

using namespace soundtest;
using vsound::vec3df;

namespace {

class SoundSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine = vsound::createLoopbackDevice(kRate);
        ASSERT_NE(engine, nullptr);
    }
    void TearDown() override { engine->drop(); }
    vsound::ISound* play(const std::string& path) {
        return engine->play3D(path.c_str(), vec3df(), false, false, true);
    }

    vsound::ISoundEngine* engine = nullptr;
};

TEST_F(SoundSourceTest, FilesAreDecodedOnceAndListedByName) {
    std::string a = scratchPath("a.wav"), b = scratchPath("b.wav");
    writeTone(a, 0.1);
    writeTone(b, 0.1);
    for (const std::string& path : {a, b, a, a})
        play(path)->drop();
    ASSERT_EQ(engine->getSoundSourceCount(), 2);
    EXPECT_EQ(engine->getSoundSource(0)->getName(), a);
    EXPECT_EQ(engine->getSoundSource(1)->getName(), b);
    EXPECT_EQ(engine->getSoundSource(2), nullptr);
    EXPECT_EQ(engine->getSoundSource(-1), nullptr);
}

TEST_F(SoundSourceTest, UnplayableFilesGiveNoSoundAndOneMessageEach) {
    std::string missing = scratchPath("missing.wav");
    std::string empty = scratchPath("empty.wav");
    std::string garbage = scratchPath("garbage.wav");
    writeTone(empty, 0.0);
    std::ofstream(garbage) << "not a sound file";

    testing::internal::CaptureStdout();
    for (int i = 0; i < 3; ++i)
        for (const std::string& path : {missing, empty, garbage})
            EXPECT_EQ(play(path), nullptr) << path;
    // Not read again: the file appearing later does not bring the sound back.
    writeTone(missing, 0.1);
    EXPECT_EQ(play(missing), nullptr);
    EXPECT_EQ(engine->play3D(nullptr, vec3df()), nullptr);
    std::string out = testing::internal::GetCapturedStdout();

    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 3) << out;
    for (const std::string& path : {missing, empty, garbage})
        EXPECT_NE(out.find("Sound: cannot play \"" + path + "\""), std::string::npos) << out;
    EXPECT_EQ(engine->getSoundSourceCount(), 0);
}

}  // namespace
