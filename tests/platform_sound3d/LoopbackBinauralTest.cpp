#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "SoundFiles.h"

using namespace soundtest;
using vsound::vec3df;

namespace {

// Energy of one channel in octave bands from 250 Hz to 16 kHz, in dB, from Hann-windowed
// 1024-sample frames.
std::vector<double> octaveBandsDb(const std::vector<float>& stereo, int channel) {
    const int size = 1024;
    const double edges[] = {250, 500, 1000, 2000, 4000, 8000, 16000};
    std::vector<double> bands(6, 0.0);
    const size_t frames = stereo.size() / 2;
    std::vector<double> window(size);
    for (size_t start = 0; start + size <= frames; start += size) {
        for (int i = 0; i < size; ++i)
            window[size_t(i)] = stereo[2 * (start + size_t(i)) + size_t(channel)] *
                                (0.5 - 0.5 * std::cos(2 * M_PI * i / size));
        for (int bin = 1; bin < size / 2; ++bin) {
            double hz = double(bin) * kRate / size;
            int band = int(std::upper_bound(edges, edges + 7, hz) - edges) - 1;
            if (band < 0 || band >= 6)
                continue;
            double re = 0.0, im = 0.0;
            for (int i = 0; i < size; ++i) {
                re += window[size_t(i)] * std::cos(2 * M_PI * bin * i / size);
                im -= window[size_t(i)] * std::sin(2 * M_PI * bin * i / size);
            }
            bands[size_t(band)] += re * re + im * im;
        }
    }
    for (double& band : bands)
        band = 10.0 * std::log10(band + 1e-30);
    return bands;
}

// How far apart the two sounds' spectra are in shape, in dB: a difference of overall level
// alone gives 0.
double spectralShapeDifferenceDb(const std::vector<float>& a, const std::vector<float>& b) {
    double largest = 0.0;
    for (int channel = 0; channel < 2; ++channel) {
        std::vector<double> bandsA = octaveBandsDb(a, channel), bandsB = octaveBandsDb(b, channel);
        std::vector<double> difference(bandsA.size());
        for (size_t i = 0; i < bandsA.size(); ++i)
            difference[i] = bandsA[i] - bandsB[i];
        double mean = 0.0;
        for (double d : difference)
            mean += d / double(difference.size());
        for (double d : difference)
            largest = std::max(largest, std::fabs(d - mean));
    }
    return largest;
}

class LoopbackBinauralTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { writeNoise(scratchPath("noise.wav"), 1.0); }
    void TearDown() override {
        for (vsound::ISoundEngine* engine : engines)
            engine->drop();
    }

    // Opens a loopback engine; `printed` holds what it printed while opening.
    vsound::ISoundEngine* open(bool binaural, int rate = kRate) {
        testing::internal::CaptureStdout();
        vsound::ISoundEngine* engine = vsound::createLoopbackDevice(rate, binaural);
        printed = testing::internal::GetCapturedStdout();
        EXPECT_NE(engine, nullptr);
        if (engine)
            engines.push_back(engine);
        return engine;
    }

    // 200 ms of looping noise at `where`, after the filters have settled for 50 ms.
    static std::vector<float> heard(vsound::ISoundEngine* engine, vec3df where) {
        vsound::ISound* sound =
            engine->play3D(scratchPath("noise.wav").c_str(), where, true, false, true);
        renderStereo(engine, 50);
        std::vector<float> samples = renderStereo(engine, 200);
        sound->stop();
        sound->drop();
        return samples;
    }

    std::vector<vsound::ISoundEngine*> engines;
    std::string printed;
};

TEST_F(LoopbackBinauralTest, ASideSourceReachesTheFarEarLaterAndQuieterButAudible) {
    vsound::ISoundEngine* engine = open(true);
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(printed.rfind("Sound: binaural 3-D sound through HRTF \"", 0), 0u) << printed;
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;

    Ears right = compareEars(heard(engine, vec3df(3, 0, 0)), kRate);
    EXPECT_GE(right.leftDelayMs, 0.2);
    EXPECT_LE(right.leftDelayMs, 0.9);
    EXPECT_GT(right.leftOverRight, 0.1);
    EXPECT_LT(right.leftOverRight, 0.8);

    Ears left = compareEars(heard(engine, vec3df(-3, 0, 0)), kRate);
    EXPECT_NEAR(left.leftDelayMs, -right.leftDelayMs, 1000.0 / kRate);
    EXPECT_NEAR(left.leftOverRight, 1.0 / right.leftOverRight, 0.05 / right.leftOverRight);
}

TEST_F(LoopbackBinauralTest, FrontAndBackAreBalancedYetSoundDifferent) {
    vsound::ISoundEngine* binaural = open(true);
    vsound::ISoundEngine* panned = open(false);
    ASSERT_TRUE(binaural && panned);

    std::vector<float> front = heard(binaural, vec3df(0, 0, 3));
    std::vector<float> back = heard(binaural, vec3df(0, 0, -3));
    for (const std::vector<float>* samples : {&front, &back}) {
        Ears ears = compareEars(*samples, kRate);
        EXPECT_LE(std::fabs(ears.leftDelayMs), 1000.0 / kRate);
        EXPECT_NEAR(ears.leftOverRight, 1.0, 0.05);
    }
    EXPECT_GT(spectralShapeDifferenceDb(front, back), 3.0);

    // Panning by level alone changes only the level between front and back.
    EXPECT_LT(spectralShapeDifferenceDb(heard(panned, vec3df(0, 0, 3)),
                                        heard(panned, vec3df(0, 0, -3))),
              0.1);
}

TEST_F(LoopbackBinauralTest, ADeviceWithoutHrtfPlaysPannedAsUnaskedWithItsLine) {
    // No HRTF data set is made for 22050 Hz.
    vsound::ISoundEngine* asked = open(true, 22050);
    EXPECT_EQ(printed,
              "Sound: no HRTF (none fits a stereo output at 22050 Hz); sounds are panned by level "
              "alone.\n");
    vsound::ISoundEngine* unasked = open(false, 22050);
    ASSERT_TRUE(asked && unasked);

    for (vec3df where : {vec3df(3, 0, 0), vec3df(-2, 1, 4), vec3df(0, 0, -3)}) {
        std::vector<float> samples = heard(asked, where);
        EXPECT_EQ(samples, heard(unasked, where)) << where.X << " " << where.Y << " " << where.Z;
        Levels levels = levelsOf(samples);
        EXPECT_GT(levels.left + levels.right, 0.01);
        if (where.X > 0) {
            EXPECT_EQ(levels.left, 0.0);
        }
    }
}

}  // namespace
