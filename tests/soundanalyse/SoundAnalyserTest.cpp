#include <gtest/gtest.h>

#include <limits>

#include "SoundAnalyser.h"
#include "TestSounds.h"

namespace {

std::vector<AnalysisSlot> analyse(int rate, const std::vector<float>& samples) {
    SoundAnalyser analyser(rate);
    analyser.feed(samples.data(), samples.size());
    return analyser.slots();
}

TEST(SoundAnalyser, SlotsKeepToTheGridAndBrokenSamplesAreHeardAsSilenceOrClipped) {
    // 11025 Hz is no multiple of ten: 0.25 s is two whole slots and a half one.
    EXPECT_EQ(analyse(11025, analysetest::clicks(11025, 0.25, {{0.1}})).size(), 3u);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::vector<float> broken(8820, 0.0f), clean(8820, 0.0f);
    for (size_t i = 0; i < 100; ++i) {
        broken[i] = (i % 2) ? nan : std::numeric_limits<float>::infinity();
        broken[4410 + i] = (i % 2) ? 3.0f : -3.0f;
        clean[4410 + i] = (i % 2) ? 1.0f : -1.0f;
    }
    auto heard = analyse(44100, broken);
    auto expected = analyse(44100, clean);
    ASSERT_EQ(heard.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(heard[i].level, expected[i].level);
        EXPECT_EQ(heard[i].presence, expected[i].presence);
    }
    for (const AnalysisSlot& slot : analyse(44100, std::vector<float>(4410, 0.0f)))
        EXPECT_EQ(slot.level + slot.low + slot.mid + slot.high + slot.presence, 0.0f);
}

}  // namespace
