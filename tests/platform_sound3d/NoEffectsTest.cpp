#include <gtest/gtest.h>

#include "SoundFiles.h"

using namespace soundtest;

namespace {

// A player whose OpenAL Soft configuration allows no auxiliary send gets one more line at start
// and sounds exactly as before: dry, panned by level.
TEST(NoEffectsTest, WithoutAnAuxiliarySendTheDeviceSaysSoAndPlaysDry) {
    useWaveFileBackend("hrtf=false\nsends=0\n");
    std::string printed = playNoiseOnDefaultDevice(vsound::vec3df(3, 0, 0));
    EXPECT_EQ(printed,
              "Sound: no HRTF (turned off in the OpenAL Soft configuration); sounds are panned by "
              "level alone.\n"
              "Sound: no effects on this device (OpenAL EFX with an auxiliary send); sounds play "
              "dry: walls do not muffle, rooms do not ring, the cane has no echoes.\n");
    Levels levels = levelsOf(readAll(scratchPath("heard.wav")));
    EXPECT_GT(levels.right, 0.01);
    EXPECT_EQ(levels.left, 0.0);

    testing::internal::CaptureStdout();
    vsound::ISoundEngine* loopback = vsound::createLoopbackDevice(kRate);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Sound: no effects"), std::string::npos);
    ASSERT_NE(loopback, nullptr);
    EXPECT_EQ(vsound::getAcoustics(loopback), nullptr);
    loopback->drop();
}

}  // namespace
