#include <gtest/gtest.h>

#include "SoundFiles.h"

using namespace soundtest;
using vsound::vec3df;

namespace {

class LoopbackSpatialTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeTone(scratchPath("tone.wav"), 2.0);
        engine = vsound::createLoopbackDevice(kRate);
        ASSERT_NE(engine, nullptr);
    }
    void TearDown() override { engine->drop(); }

    // What a looping tone at `where` sounds like over 100 ms.
    Levels heard(vec3df where, float minDistance = 1.0f, float maxDistance = -1.0f,
                 const char* file = "tone.wav") {
        vsound::ISound* sound =
            engine->play3D(scratchPath(file).c_str(), where, true, true, true);
        sound->setMinDistance(minDistance);
        sound->setMaxDistance(maxDistance);
        sound->setIsPaused(false);
        Levels levels = renderLevels(engine, 100);
        sound->stop();
        sound->drop();
        return levels;
    }
    bool onRight(vec3df where, const char* file = "tone.wav") {
        Levels l = heard(where, 1.0f, -1.0f, file);
        return l.right > 2.0 * l.left;
    }
    bool onLeft(vec3df where) {
        Levels l = heard(where);
        return l.left > 2.0 * l.right;
    }

    vsound::ISoundEngine* engine = nullptr;
};

TEST_F(LoopbackSpatialTest, SidesFollowTheGamesLeftHandedCoordinates) {
    // Default listener at the origin looking along +z: +x is to the right.
    EXPECT_TRUE(onRight(vec3df(5, 0, 0)));
    EXPECT_TRUE(onLeft(vec3df(-5, 0, 0)));
    // A stereo file (all on its left channel) is positioned like a mono one.
    writeTone(scratchPath("left_only.wav"), 1.0, 2);
    EXPECT_TRUE(onRight(vec3df(5, 0, 0), "left_only.wav"));

    // Looking along +x with an unnormalised look vector, the right-hand side is -z.
    engine->setListenerPosition(vec3df(0, 0, 0), vec3df(10, 0, 0), vec3df(), vec3df(0, 3, 0));
    EXPECT_TRUE(onRight(vec3df(0, 0, -5)));
    EXPECT_TRUE(onLeft(vec3df(0, 0, 5)));
    // A degenerate look keeps that orientation; the position still moves.
    engine->setListenerPosition(vec3df(0, 0, -10), vec3df(0, 0, 0));
    EXPECT_TRUE(onLeft(vec3df(0, 0, -5)));
}

TEST_F(LoopbackSpatialTest, VolumeFallsAsMinDistanceOverDistance) {
    auto loudness = [&](float z, float minDistance, float maxDistance = -1.0f) {
        Levels l = heard(vec3df(0, 0, z), minDistance, maxDistance);
        return l.left + l.right;
    };
    double full = loudness(2, 2.0f);
    EXPECT_NEAR(loudness(4, 2.0f) / full, 0.5, 0.02);
    EXPECT_NEAR(loudness(8, 2.0f) / full, 0.25, 0.02);
    EXPECT_NEAR(loudness(1, 2.0f) / full, 1.0, 0.02);         // inside the minimum
    EXPECT_NEAR(loudness(8, 2.0f, 4.0f) / full, 0.5, 0.02);   // beyond the maximum
    EXPECT_NEAR(loudness(4, -3.0f, 0.0f) / full, 0.25, 0.02); // ignored: default 1
}

}  // namespace
