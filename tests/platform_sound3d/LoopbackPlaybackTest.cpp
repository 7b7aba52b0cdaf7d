#include <gtest/gtest.h>

#include "SoundFiles.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

using namespace soundtest;
using vsound::ISound;
using vsound::vec3df;

namespace {

class LoopbackPlaybackTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeTone(scratchPath("one_second.wav"), 1.0);
        writeTone(scratchPath("short.wav"), 0.2);
        engine = vsound::createLoopbackDevice(kRate);
        ASSERT_NE(engine, nullptr);
    }
    void TearDown() override {
        if (engine)
            engine->drop();
    }
    ISound* play(const char* file, bool looped, bool paused, bool track = true) {
        return engine->play3D(scratchPath(file).c_str(), vec3df(0, 0, 1), looped, paused, track);
    }
    double loudness(int ms) {
        Levels l = renderLevels(engine, ms);
        return l.left + l.right;
    }

    vsound::ISoundEngine* engine = nullptr;
};

TEST_F(LoopbackPlaybackTest, PlayPositionCountsMillisecondsAndHoldsWhilePaused) {
    ISound* sound = play("one_second.wav", false, true);
    EXPECT_LT(loudness(100), 1e-6);  // silent until unpaused
    EXPECT_EQ(sound->getPlayPosition(), 0u);
    sound->setIsPaused(false);
    loudness(250);
    EXPECT_NEAR(sound->getPlayPosition(), 250.0, 1.0);
    sound->setIsPaused(true);
    EXPECT_LT(loudness(250), 1e-6);
    EXPECT_NEAR(sound->getPlayPosition(), 250.0, 1.0);
    sound->setIsPaused(false);
    EXPECT_GT(loudness(250), 0.1);
    EXPECT_NEAR(sound->getPlayPosition(), 500.0, 1.0);
    EXPECT_FALSE(sound->isFinished());
    sound->drop();
}

TEST_F(LoopbackPlaybackTest, SoundsFinishAtTheirEndUnlessLooped) {
    ISound* once = play("short.wav", false, false);
    ISound* looped = play("short.wav", true, false);
    EXPECT_EQ(play("short.wav", false, false, false), nullptr);  // fire-and-forget
    loudness(150);
    EXPECT_FALSE(once->isFinished());
    loudness(350);
    EXPECT_TRUE(once->isFinished());
    EXPECT_EQ(once->getPlayPosition(), ISound::kNoPosition);
    EXPECT_FALSE(looped->isFinished());
    EXPECT_NEAR(looped->getPlayPosition(), 100.0, 1.0);
    looped->stop();
    EXPECT_TRUE(looped->isFinished());
    EXPECT_LT(loudness(100), 1e-6);
    once->drop();
    looped->drop();
}

TEST_F(LoopbackPlaybackTest, AReusedVoiceStartsFreshForItsNewSound) {
    // Many more sounds than voices, each on a voice whose previous sound has ended.
    ISound* previous = nullptr;
    for (int i = 0; i < 300; ++i) {
        ISound* next = play("short.wav", false, true);
        ASSERT_NE(next, nullptr) << i;
        EXPECT_FALSE(next->isFinished()) << i;
        next->setIsPaused(false);
        loudness(5);
        EXPECT_FALSE(next->isFinished()) << i;
        if (previous) {
            EXPECT_TRUE(previous->isFinished());
            previous->drop();
        }
        loudness(200);
        previous = next;
    }
    previous->drop();
}

TEST_F(LoopbackPlaybackTest, FullPoolTakesOverTheOldestUnheldSoundButNeverAHeldOne) {
    std::vector<ISound*> held{play("one_second.wav", true, false)};
    for (int i = 0; i < 400; ++i)
        play("one_second.wav", true, false, false);
    EXPECT_FALSE(held[0]->isFinished());

    testing::internal::CaptureStdout();
    while (held.size() < 300) {
        ISound* sound = play("one_second.wav", true, false);
        if (!sound)
            break;
        held.push_back(sound);
    }
    EXPECT_EQ(play("one_second.wav", true, false), nullptr);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_GE(held.size(), 32u);
    EXPECT_LT(held.size(), 200u);  // well under the library's 256 sources
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
    EXPECT_EQ(out.rfind("Sound: ", 0), 0u) << out;
    for (ISound* sound : held) {
        EXPECT_FALSE(sound->isFinished());
        sound->drop();
    }
}

TEST_F(LoopbackPlaybackTest, HeldSoundsOutliveTheirEngineAsFinished) {
    ISound* sound = play("one_second.wav", true, false);
    engine->drop();
    engine = nullptr;
    EXPECT_TRUE(sound->isFinished());
    sound->setPosition(vec3df(1, 2, 3));
    sound->setIsPaused(false);
    sound->stop();
    sound->drop();
}

}  // namespace

// A level's sounds are decoded into memory: together they stay within 256 MiB, and the first
// sound past that is refused with one line while those before it play.
TEST_F(LoopbackPlaybackTest, SoundsPastTheLevelsDecodeBudgetAreRefusedWithOneLine) {
    const std::uint32_t bytes = 60u << 20, header[] = {16, 1 | 1 << 16, 44100, 88200, 2 | 16 << 16};
    std::string big = scratchPath("long.wav");
    std::ofstream(big, std::ios::binary)
        .write("RIFF\0\0\0\0WAVEfmt ", 16)
        .write(reinterpret_cast<const char*>(header), sizeof header)
        .write("data", 4)
        .write(reinterpret_cast<const char*>(&bytes), 4);  // 60 MiB of silence, 16-bit mono
    std::filesystem::resize_file(big, 44 + bytes);
    testing::internal::CaptureStdout();
    std::vector<ISound*> played;
    for (int i = 0; i < 5; ++i) {
        std::string name = scratchPath(("long" + std::to_string(i) + ".wav").c_str());
        std::filesystem::remove(name);
        std::filesystem::create_hard_link(big, name);  // five names, one file on disk
        played.push_back(engine->play3D(name.c_str(), vec3df(0, 0, 1), false, true, true));
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Sound: cannot play \"" + scratchPath("long4.wav") +
                  "\" (past the 256 MiB all sounds together may decode to); it stays silent.\n");
    EXPECT_EQ(std::find(played.begin(), played.end(), nullptr) - played.begin(), 4);
    for (ISound* sound : played)
        if (sound) sound->drop();
    std::filesystem::remove(big);
}
