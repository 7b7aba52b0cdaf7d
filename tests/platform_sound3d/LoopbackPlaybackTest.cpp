#include <gtest/gtest.h>

#include "SoundFiles.h"

using namespace soundtest;
using vsound::ISound;
using vsound::vec3df;

namespace {

class LoopbackPlaybackTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        writeTone(scratchPath("one_second.wav"), 1.0);
        writeTone(scratchPath("short.wav"), 0.2);
    }
    void SetUp() override {
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
    EXPECT_EQ(sound->getPlayPosition(), 0u);
    EXPECT_LT(loudness(100), 1e-6);  // silent until unpaused
    EXPECT_FALSE(sound->isFinished());

    sound->setIsPaused(false);
    loudness(250);
    EXPECT_NEAR(sound->getPlayPosition(), 250.0, 1.0);
    sound->setIsPaused(true);
    EXPECT_TRUE(sound->getIsPaused());
    EXPECT_LT(loudness(250), 1e-6);
    EXPECT_NEAR(sound->getPlayPosition(), 250.0, 1.0);
    sound->setIsPaused(false);
    EXPECT_GT(loudness(250), 0.1);
    EXPECT_NEAR(sound->getPlayPosition(), 500.0, 1.0);
    sound->drop();
}

TEST_F(LoopbackPlaybackTest, SoundsFinishAtTheirEndUnlessLooped) {
    ISound* once = play("short.wav", false, false);
    ISound* looped = play("short.wav", true, false);
    loudness(150);
    EXPECT_FALSE(once->isFinished());
    loudness(350);  // 500 ms in all
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

TEST_F(LoopbackPlaybackTest, OnlyTrackedOrPausedSoundsAreHandedOut) {
    EXPECT_EQ(play("short.wav", false, false, false), nullptr);
    EXPECT_GT(loudness(100), 0.1);  // fire-and-forget still plays

    ISound* paused = play("short.wav", false, true, false);
    ASSERT_NE(paused, nullptr);
    paused->drop();
    loudness(300);
    engine->update();  // frees the ended untracked sound's voice
}

TEST_F(LoopbackPlaybackTest, AReusedVoiceStartsFreshForItsNewSound) {
    // Far more sounds than voices pass through the pool, each on a voice whose previous
    // sound has ended.
    ISound* previous = nullptr;
    for (int i = 0; i < 300; ++i) {
        ISound* next = play("short.wav", false, true);
        ASSERT_NE(next, nullptr) << "sound " << i;
        EXPECT_FALSE(next->isFinished()) << "sound " << i;
        next->setIsPaused(false);
        loudness(5);
        EXPECT_FALSE(next->isFinished()) << "sound " << i;
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
    ISound* held = play("one_second.wav", true, false);
    for (int i = 0; i < 400; ++i)
        EXPECT_EQ(play("one_second.wav", true, false, false), nullptr);
    EXPECT_FALSE(held->isFinished());

    // Held sounds fill the pool; the pool stays well under the library's 256 sources.
    std::vector<ISound*> all{held};
    testing::internal::CaptureStdout();
    while (all.size() < 300) {
        ISound* sound = play("one_second.wav", true, false);
        if (!sound)
            break;
        all.push_back(sound);
    }
    EXPECT_EQ(play("one_second.wav", true, false), nullptr);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_LT(all.size(), 200u);
    EXPECT_GE(all.size(), 32u);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;
    EXPECT_EQ(out.rfind("Sound: ", 0), 0u) << out;
    for (ISound* sound : all) {
        EXPECT_FALSE(sound->isFinished());
        sound->drop();
    }
}

TEST_F(LoopbackPlaybackTest, HeldSoundsOutliveTheirEngineAsFinished) {
    ISound* sound = play("one_second.wav", true, false);
    engine->drop();
    engine = nullptr;
    EXPECT_TRUE(sound->isFinished());
    EXPECT_EQ(sound->getPlayPosition(), ISound::kNoPosition);
    sound->setPosition(vec3df(1, 2, 3));
    sound->setIsPaused(false);
    sound->stop();
    sound->drop();
}

}  // namespace
