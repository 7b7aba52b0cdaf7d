#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

#include "SoundFiles.h"

using namespace soundtest;
using vsound::vec3df;

namespace {

// A real device mixing on its own thread: OpenAL's wave-file backend writes what was heard.
class WaveFileDeviceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        useWaveFileBackend();
        writeTone(scratchPath("tone.wav"), 0.3);
    }
};

TEST_F(WaveFileDeviceTest, PlaysOnTheDefaultDeviceAndFreesEndedSounds) {
    vsound::ISoundEngine* engine = vsound::createIrrKlangDevice(
        vsound::ESOD_AUTO_DETECT, vsound::ESEO_DEFAULT_OPTIONS, nullptr, "1.1.0");
    ASSERT_NE(engine, nullptr);
    vsound::ISound* sound =
        engine->play3D(scratchPath("tone.wav").c_str(), vec3df(0, 0, 1), false, false, true);
    ASSERT_NE(sound, nullptr);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    EXPECT_TRUE(sound->isFinished());
    sound->drop();
    engine->drop();

    std::vector<float> heard = readAll(scratchPath("heard.wav"));
    float peak = 0.0f;
    for (float sample : heard)
        peak = std::max(peak, std::fabs(sample));
    EXPECT_GT(peak, 0.2f);
}

TEST_F(WaveFileDeviceTest, TheDefaultDeviceIsBinaural) {
    std::string printed = playNoiseOnDefaultDevice(vec3df(3, 0, 0));
    EXPECT_EQ(printed.rfind("Sound: binaural 3-D sound through HRTF \"", 0), 0u) << printed;
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;

    Ears ears = compareEars(readAll(scratchPath("heard.wav")), kRate);
    EXPECT_GE(ears.leftDelayMs, 0.2);
    EXPECT_LE(ears.leftDelayMs, 0.9);
    EXPECT_GT(ears.leftOverRight, 0.1);
    EXPECT_LT(ears.leftOverRight, 0.8);
}

TEST_F(WaveFileDeviceTest, AnUnknownDeviceGivesNoEngine) {
    EXPECT_EQ(vsound::createIrrKlangDevice(vsound::ESOD_AUTO_DETECT, vsound::ESEO_DEFAULT_OPTIONS,
                                           "no such device"),
              nullptr);
}

}  // namespace
