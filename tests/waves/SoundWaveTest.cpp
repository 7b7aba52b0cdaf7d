#include "WaveTestKit.h"
#include "waves/SoundWaveGlow.h"
#include "waves/SoundWavePulseMulti.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using irr::core::vector3df;

namespace {

// A free pulse of intensity 0.8 and trail 5 at (1, 2, 3), written as the only record of `data`.
struct FreePulse {
    FreePulse(float maxRadius, float speed, float startRadius)
        : pulse(vector3df(1, 2, 3), maxRadius, 0.8f, vector3df(0.6f, 0.8f, 1.0f), speed, 5.0f,
                startRadius) {
        pulse.append(data);
    }
    SoundWavePulse pulse;
    WaveData data;
};

TEST(SoundWavePulse, FinishesTheFirstTimeItsFrontPassesTheMaximum) {
    setFrameTime(1);
    FreePulse slow(20, 15, 0);
    EXPECT_FLOAT_EQ(0.8f, slow.data[7]);   // full strength at the centre
    int frames = 1;
    while (!slow.pulse.update(slow.data)) {
        ASSERT_LT(++frames, 2000);
    }
    EXPECT_EQ(1334, frames);   // the first frame past 4/3 s
    // Reaching the maximum exactly is no wrap: dark there, and gone on the next frame.
    setFrameTime(1000);
    FreePulse exact(20, 10, 0);
    EXPECT_FALSE(exact.pulse.update(exact.data));
    EXPECT_FALSE(exact.pulse.update(exact.data));
    EXPECT_FLOAT_EQ(20.0f, exact.data[6]);
    EXPECT_FLOAT_EQ(0.0f, exact.data[7]);
    EXPECT_TRUE(exact.pulse.update(exact.data));
}

TEST(SoundWavePulse, WrapCarriesTheOvershootIntoTheRecord) {
    setFrameTime(200);
    FreePulse carried(10, 15, 9.5f);
    EXPECT_TRUE(carried.pulse.update(carried.data));
    EXPECT_FLOAT_EQ(2.5f, carried.pulse.radius);
    EXPECT_FLOAT_EQ(2.5f, carried.data[6]);
    EXPECT_FLOAT_EQ(0.8f * 0.75f * 0.75f, carried.data[7]);
    setFrameTime(1000);
    FreePulse whole(10, 15, 5);   // an overshoot of a whole maximum lands on the maximum
    EXPECT_TRUE(whole.pulse.update(whole.data));
    EXPECT_FLOAT_EQ(10.0f, whole.pulse.radius);
    FreePulse huge(1, 3.0e9f, 0);   // wraps in one step instead of stalling the frame
    EXPECT_TRUE(huge.pulse.update(huge.data));
    EXPECT_GT(huge.pulse.radius, 0.0f);
    EXPECT_LE(huge.pulse.radius, 1.0f);
}

TEST(SoundWavePulse, ZeroFrameTimeRewritesTheSameRadiusAndIntensity) {
    setFrameTime(0);
    FreePulse still(10, 15, 5);
    for (int i = 0; i < 3; ++i) {
        still.data[6] = still.data[7] = -3.0f;
        EXPECT_FALSE(still.pulse.update(still.data));
        EXPECT_FLOAT_EQ(5.0f, still.data[6]);
        EXPECT_FLOAT_EQ(0.2f, still.data[7]);
    }
}

std::vector<float> radii(const WaveData& data) {
    std::vector<float> r;
    for (size_t i = 6; i < data.size(); i += 9) r.push_back(data[i]);
    return r;
}

TEST(NodeWave, PulseTakesItsShapeFromTheNodeAndRestartsWhereTheNodeIs) {
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(1, 2, 3), 10, 15);
    node->MaxIntensity = 0.5f;
    node->Trail = 4;
    node->StartingRadius = 9.5f;
    node->EffectColor = vector3df(0.1f, 0.2f, 0.3f);
    SoundWavePulse pulse(node);
    WaveData data;
    pulse.append(data);
    const float expected[9] = {1, 2, 3, 0.1f, 0.2f, 0.3f, 9.5f, 0.5f * 0.05f * 0.05f, 4};
    for (int i = 0; i < 9; ++i) EXPECT_FLOAT_EQ(expected[i], data[i]) << "float " << i;
    // The wrap keeps the overshoot and is no finish: it starts again from the node's place.
    moveNode(node, vector3df(5, 6, 7));
    setFrameTime(200);
    EXPECT_FALSE(pulse.update(data));
    EXPECT_FLOAT_EQ(2.5f, data[6]);
    EXPECT_EQ(vector3df(5, 6, 7), vector3df(data[0], data[1], data[2]));
    // A growing front stays where it started even if its node moves on.
    moveNode(node, vector3df(-1, -1, -1));
    setFrameTime(100);
    pulse.update(data);
    EXPECT_FLOAT_EQ(4.0f, data[6]);
    EXPECT_EQ(vector3df(5, 6, 7), vector3df(data[0], data[1], data[2]));
}

TEST(NodeWave, GlowSwingsBetweenMinAndMaxRadiusAndFollowsItsNode) {
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(0, 0, 0), 20, 5);
    node->MinRadius = 10;
    node->Trail = 3;
    SoundWaveGlow glow(node);
    WaveData data;
    glow.append(data);
    EXPECT_FLOAT_EQ(-1.0f, data[8]);
    setFrameTime(1000);
    for (float radius : {20, 15, 10, 10, 15, 20, 20, 15}) {
        moveNode(node, node->getPosition() + vector3df(1, 0, 0));
        EXPECT_FALSE(glow.update(data));
        EXPECT_FLOAT_EQ(radius, data[6]);
        EXPECT_FLOAT_EQ(-1.0f, data[8]);
        EXPECT_EQ(node->getAbsolutePosition().X, data[0]);
    }
    // The lower bound is the node's at each step, not a copy taken at the start.
    node->MinRadius = 14;
    glow.update(data);
    EXPECT_FLOAT_EQ(14.0f, data[6]);
    EXPECT_TRUE(glow.growing);
}

TEST(NodeWave, MultiPulseRingsAreStaggeredWrappedAndCapped) {
    CIrrKlangSceneNode* node = addEmitterNode(vector3df(0, 0, 0), 12);
    node->setName("chimes");
    node->StartingRadius = 0;
    node->WaveSpacing = 5;
    node->WaveCount = 3;
    SoundWavePulseMulti three(node);
    WaveData data(9, 0.0f);
    three.index = 1;
    EXPECT_EQ(3, three.append(data));
    EXPECT_EQ((std::vector<float>{0, 0, 7, 2}), radii(data));
    EXPECT_EQ(3, three.pulses.back()->index);

    // No rings, also for a negative count read into the node's unsigned field.
    for (irr::u32 count : {0u, static_cast<irr::u32>(-1)}) {
        node->WaveCount = count;
        SoundWavePulseMulti none(node);
        WaveData empty;
        EXPECT_EQ(0, none.append(empty));
        EXPECT_TRUE(empty.empty());
    }

    node->WaveCount = 1000000;
    node->WaveSpacing = 1.0e30f;
    testing::internal::CaptureStdout();
    SoundWavePulseMulti many(node);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(static_cast<size_t>(SoundWavePulseMulti::MAX_RINGS), many.pulses.size());
    EXPECT_NE(std::string::npos, out.find("\"chimes\"")) << out;
    for (const auto& ring : many.pulses) {
        EXPECT_GE(ring->radius, 0.0f);
        EXPECT_LT(ring->radius, node->MaxRadius);
    }
}

}  // namespace
