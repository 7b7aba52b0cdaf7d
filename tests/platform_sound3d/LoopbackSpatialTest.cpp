#include <gtest/gtest.h>

#include "SoundFiles.h"

using namespace soundtest;
using vsound::vec3df;

namespace {

class LoopbackSpatialTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        writeTone(scratchPath("tone.wav"), 2.0);
        writeTone(scratchPath("left_only.wav"), 2.0, 2);
    }
    void SetUp() override {
        engine = vsound::createLoopbackDevice(kRate);
        ASSERT_NE(engine, nullptr);
    }
    void TearDown() override { engine->drop(); }

    // Level heard from a looping tone at `where`, with the given distances, after 100 ms.
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

    vsound::ISoundEngine* engine = nullptr;
};

TEST_F(LoopbackSpatialTest, SidesFollowTheGamesLeftHandedCoordinates) {
    // Default listener: at the origin looking along +z, so +x is to the right.
    Levels right = heard(vec3df(5, 0, 0));
    EXPECT_GT(right.right, 2.0 * right.left);
    Levels left = heard(vec3df(-5, 0, 0));
    EXPECT_GT(left.left, 2.0 * left.right);

    // Looking along +x with an unnormalised look vector, the right-hand side is -z.
    engine->setListenerPosition(vec3df(0, 0, 0), vec3df(10, 0, 0), vec3df(0, 0, 0),
                                vec3df(0, 3, 0));
    Levels minusZ = heard(vec3df(0, 0, -5));
    EXPECT_GT(minusZ.right, 2.0 * minusZ.left);
    Levels plusZ = heard(vec3df(0, 0, 5));
    EXPECT_GT(plusZ.left, 2.0 * plusZ.right);

    // A degenerate look keeps that orientation instead of confusing the mixer.
    engine->setListenerPosition(vec3df(0, 0, 0), vec3df(0, 0, 0));
    Levels kept = heard(vec3df(0, 0, -5));
    EXPECT_GT(kept.right, 2.0 * kept.left);
}

TEST_F(LoopbackSpatialTest, ListenerPositionMovesTheSides) {
    engine->setListenerPosition(vec3df(10, 0, 0), vec3df(0, 0, 1));
    Levels levels = heard(vec3df(5, 0, 0));
    EXPECT_GT(levels.left, 2.0 * levels.right);
}

TEST_F(LoopbackSpatialTest, VolumeFallsAsMinDistanceOverDistance) {
    auto loudness = [](Levels l) { return l.left + l.right; };
    double atTwo = loudness(heard(vec3df(0, 0, 2), 2.0f));
    double atFour = loudness(heard(vec3df(0, 0, 4), 2.0f));
    double atEight = loudness(heard(vec3df(0, 0, 8), 2.0f));
    EXPECT_NEAR(atFour / atTwo, 0.5, 0.02);
    EXPECT_NEAR(atEight / atTwo, 0.25, 0.02);
    // Inside the minimum distance the volume stays full; beyond the maximum it falls no more.
    EXPECT_NEAR(loudness(heard(vec3df(0, 0, 1), 2.0f)) / atTwo, 1.0, 0.02);
    EXPECT_NEAR(loudness(heard(vec3df(0, 0, 8), 2.0f, 4.0f)) / atFour, 1.0, 0.02);
    // Distances of zero or less are ignored.
    EXPECT_NEAR(loudness(heard(vec3df(0, 0, 4), -3.0f, 0.0f)) / atTwo, 0.25, 0.02);
}

TEST_F(LoopbackSpatialTest, StereoFilesArePositionedLikeMonoOnes) {
    // The file's sound is all on its left channel; placed to the right it must come from there.
    Levels levels = heard(vec3df(5, 0, 0), 1.0f, -1.0f, "left_only.wav");
    EXPECT_GT(levels.right, 2.0 * levels.left);
}

}  // namespace
