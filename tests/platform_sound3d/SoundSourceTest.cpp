#include <gtest/gtest.h>

#include <fstream>

#include "SoundFiles.h"

using namespace soundtest;
using vsound::vec3df;

TEST(SoundSourceTest, FilesAreDecodedOnceAndUnplayableOnesReportedOnce) {
    vsound::ISoundEngine* engine = vsound::createLoopbackDevice(kRate);
    ASSERT_NE(engine, nullptr);
    auto play = [&](const std::string& path) {
        vsound::ISound* sound = engine->play3D(path.c_str(), vec3df(), false, false, true);
        if (sound)
            sound->drop();
        return sound != nullptr;
    };
    std::string a = scratchPath("a.wav"), b = scratchPath("b.wav");
    std::string missing = scratchPath("missing.wav"), empty = scratchPath("empty.wav");
    std::string garbage = scratchPath("garbage.wav");
    writeTone(a, 0.1);
    writeTone(b, 0.1);
    writeTone(empty, 0.0);
    std::ofstream(garbage) << "not a sound file";

    testing::internal::CaptureStdout();
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(play(a));
        EXPECT_TRUE(play(b));
        for (const std::string& path : {missing, empty, garbage})
            EXPECT_FALSE(play(path)) << path;
    }
    writeTone(missing, 0.1);  // not read again: appearing later does not bring it back
    EXPECT_FALSE(play(missing));
    std::string out = testing::internal::GetCapturedStdout();

    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 3) << out;
    for (const std::string& path : {missing, empty, garbage})
        EXPECT_NE(out.find("Sound: cannot play \"" + path + "\""), std::string::npos) << out;
    ASSERT_EQ(engine->getSoundSourceCount(), 2);
    EXPECT_EQ(engine->getSoundSource(0)->getName(), a);
    EXPECT_EQ(engine->getSoundSource(1)->getName(), b);
    EXPECT_EQ(engine->getSoundSource(2), nullptr);
    engine->drop();
}
