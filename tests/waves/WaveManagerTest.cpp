#include "FrameClock.h"
#include "waves/SoundWavePulse.h"
#include "waves/WaveManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using irr::core::vector3df;

namespace {

const vector3df BLUE(0.2f, 0.2f, 1.0f);

// Adds a free pulse whose record is told apart by its centre x.
void addPulseAt(WaveManager& waves, float x, float maxRadius, float startRadius) {
    waves.addPulse(vector3df(x, 0, 0), maxRadius, 5.0f, 10.0f, 1.0f, startRadius, BLUE);
}

std::vector<float> centresX(const WaveManager& waves) {
    std::vector<float> xs;
    for (int r = 0; r < waves.recordCount(); ++r) xs.push_back(waves.waveData()[9 * r]);
    return xs;
}

TEST(WaveManager, AddPulseTakesItsArgumentsInItsOwnOrder) {
    WaveManager waves;
    waves.addPulse(vector3df(1, 2, 3), 20, 5, 15, 0.5f, 4, vector3df(0.1f, 0.2f, 0.3f));
    ASSERT_EQ(1, waves.recordCount());
    const SoundWavePulse& pulse = dynamic_cast<const SoundWavePulse&>(*waves.waves().front());
    EXPECT_FLOAT_EQ(20, pulse.maxRadius);
    EXPECT_FLOAT_EQ(5, pulse.trail);
    EXPECT_FLOAT_EQ(15, pulse.waveSpeed);
    EXPECT_FLOAT_EQ(0.5f, pulse.maxIntensity);
    EXPECT_FLOAT_EQ(4, pulse.radius);
    EXPECT_EQ(vector3df(0.1f, 0.2f, 0.3f), pulse.color);
    EXPECT_TRUE(pulse.isOneShot());
    EXPECT_FLOAT_EQ(5, waves.waveData()[8]);
}

TEST(WaveManager, FinishedFirstPulseShiftsTheOthersDown) {
    setFrameTime(100);
    WaveManager waves;
    addPulseAt(waves, 1, 10, 9.5f);
    addPulseAt(waves, 2, 10, 0);
    addPulseAt(waves, 3, 10, 0);
    waves.update();
    ASSERT_EQ(2, waves.recordCount());
    ASSERT_EQ(2u, waves.waves().size());
    EXPECT_EQ(0, waves.waves().front()->index);
    EXPECT_EQ(1, waves.waves().back()->index);
    EXPECT_EQ((std::vector<float>{2, 3}), centresX(waves));
    EXPECT_EQ(18u, waves.waveData().size());
    // Both were aged in the same pass, at their new places.
    EXPECT_FLOAT_EQ(1.0f, waves.waveData()[6]);
    EXPECT_FLOAT_EQ(1.0f, waves.waveData()[15]);
}

TEST(WaveManager, ScatteredFinishesKeepRecordsInListOrder) {
    setFrameTime(100);
    WaveManager waves;
    for (int i = 0; i < 7; ++i) addPulseAt(waves, static_cast<float>(i), 10, i % 3 == 0 ? 9.5f : 0);
    waves.ensureEndMarker();
    waves.update();
    EXPECT_EQ((std::vector<float>{1, 2, 4, 5}), centresX(waves));
    int expected = 0;
    for (const auto& wave : waves.waves()) EXPECT_EQ(expected++, wave->index);
    // The marker moved down with the records and is still the last one.
    ASSERT_EQ(45u, waves.waveData().size());
    for (int i = 36; i < 45; ++i) EXPECT_EQ(-1.0f, waves.waveData()[i]);
}

TEST(WaveManager, AppendAfterADrawReplacesTheEndMarker) {
    WaveManager waves;
    addPulseAt(waves, 1, 10, 0);
    waves.ensureEndMarker();
    waves.ensureEndMarker();
    ASSERT_EQ(18u, waves.waveData().size());
    addPulseAt(waves, 2, 10, 0);
    EXPECT_EQ(2, waves.recordCount());
    ASSERT_EQ(18u, waves.waveData().size());
    EXPECT_EQ((std::vector<float>{1, 2}), centresX(waves));
    EXPECT_EQ(1, waves.waves().back()->index);
}

TEST(WaveManager, WithoutWavesTheArrayHoldsAtMostTheMarker) {
    setFrameTime(16);
    WaveManager waves;
    waves.update();
    EXPECT_TRUE(waves.waveData().empty());
    waves.ensureEndMarker();
    waves.update();
    EXPECT_EQ(std::vector<float>(9, -1.0f), waves.waveData());
    EXPECT_EQ(0, waves.recordCount());
}

TEST(WaveManager, PulsesThatCouldNeverFinishAreRefused) {
    WaveManager waves;
    testing::internal::CaptureStdout();
    waves.addPulse(vector3df(), 0, 5, 10, 1, 0, BLUE);
    waves.addPulse(vector3df(), -4, 5, 10, 1, 0, BLUE);
    waves.addPulse(vector3df(), 10, 5, 0, 1, 0, BLUE);
    waves.addPulse(vector3df(), 1.0f / 0.0f, 5, 10, 1, 0, BLUE);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(4, std::count(out.begin(), out.end(), '\n')) << out;
    EXPECT_EQ(0u, out.find("Waves: ")) << out;
    EXPECT_EQ(0, waves.recordCount());
    EXPECT_TRUE(waves.waves().empty());
}

}  // namespace
