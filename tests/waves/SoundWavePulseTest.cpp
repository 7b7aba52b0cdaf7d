#include "FrameClock.h"
#include "waves/SoundWavePulse.h"

#include <gtest/gtest.h>

using irr::core::vector3df;

namespace {

SoundWavePulse freePulse(float maxRadius, float speed, float startRadius) {
    return SoundWavePulse(vector3df(1, 2, 3), maxRadius, 0.8f, vector3df(0.6f, 0.8f, 1.0f), speed,
                          5.0f, startRadius);
}

TEST(SoundWavePulse, AppendWritesTheNineFloatRecord) {
    SoundWavePulse pulse = freePulse(20, 15, 4);
    WaveData data(9, 7.0f);
    pulse.index = 1;
    EXPECT_EQ(1, pulse.append(data));
    ASSERT_EQ(18u, data.size());
    const float expected[9] = {1, 2, 3, 0.6f, 0.8f, 1.0f, 4, 0.8f * 0.64f, 5};
    for (int i = 0; i < 9; ++i) EXPECT_FLOAT_EQ(expected[i], data[9 + i]) << "float " << i;
    EXPECT_FLOAT_EQ(7.0f, data[0]);
}

TEST(SoundWavePulse, FreePulseFinishesOnTheFrameTimeFirstPasses4Thirds) {
    setFrameTime(1);
    SoundWavePulse pulse = freePulse(20, 15, 0);
    WaveData data;
    pulse.append(data);
    int frames = 0;
    while (!pulse.update(data)) {
        ASSERT_LT(++frames, 2000);
    }
    EXPECT_EQ(1334, frames + 1);
}

TEST(SoundWavePulse, ReachingTheMaximumExactlyIsNotAWrap) {
    setFrameTime(1000);
    SoundWavePulse pulse = freePulse(20, 10, 0);
    WaveData data;
    pulse.append(data);
    EXPECT_FALSE(pulse.update(data));
    EXPECT_FALSE(pulse.update(data));
    EXPECT_FLOAT_EQ(20.0f, data[6]);
    EXPECT_FLOAT_EQ(0.0f, data[7]);
    EXPECT_TRUE(pulse.update(data));
}

TEST(SoundWavePulse, WrapCarriesTheOvershootAndWritesItBeforeFinishing) {
    setFrameTime(200);
    SoundWavePulse pulse = freePulse(10, 15, 9.5f);
    WaveData data;
    pulse.append(data);
    EXPECT_TRUE(pulse.update(data));
    EXPECT_FLOAT_EQ(2.5f, pulse.radius);
    EXPECT_FLOAT_EQ(2.5f, data[6]);
    EXPECT_FLOAT_EQ(0.8f * 0.75f * 0.75f, data[7]);
}

TEST(SoundWavePulse, OvershootOfAWholeMaximumLandsOnTheMaximum) {
    setFrameTime(1000);
    SoundWavePulse pulse = freePulse(10, 15, 5);
    WaveData data;
    pulse.append(data);
    EXPECT_TRUE(pulse.update(data));
    EXPECT_FLOAT_EQ(10.0f, pulse.radius);
}

TEST(SoundWavePulse, HugeStepWrapsToTheRemainderWithoutStalling) {
    setFrameTime(1000);
    SoundWavePulse pulse = freePulse(1, 3.0e9f, 0);
    WaveData data;
    pulse.append(data);
    EXPECT_TRUE(pulse.update(data));
    EXPECT_GT(pulse.radius, 0.0f);
    EXPECT_LE(pulse.radius, 1.0f);
}

TEST(SoundWavePulse, ZeroFrameTimeRewritesTheSameRadiusAndIntensity) {
    setFrameTime(0);
    SoundWavePulse pulse = freePulse(10, 15, 5);
    WaveData data;
    pulse.append(data);
    for (int i = 0; i < 3; ++i) {
        data[6] = data[7] = -3.0f;
        EXPECT_FALSE(pulse.update(data));
        EXPECT_FLOAT_EQ(5.0f, data[6]);
        EXPECT_FLOAT_EQ(0.2f, data[7]);
    }
}

TEST(SoundWavePulse, IntensityFallsWithTheSquareOfTheDistanceLeft) {
    SoundWavePulse pulse = freePulse(16, 15, 8);
    EXPECT_FLOAT_EQ(0.8f / 4.0f, pulse.getIntensity());
    pulse.radius = 0;
    EXPECT_FLOAT_EQ(0.8f, pulse.getIntensity());
    pulse.radius = 16;
    EXPECT_FLOAT_EQ(0.0f, pulse.getIntensity());
}

}  // namespace
