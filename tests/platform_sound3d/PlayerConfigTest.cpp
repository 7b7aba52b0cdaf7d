#include <gtest/gtest.h>

#include "SoundFiles.h"

using namespace soundtest;

namespace {

// A player whose own OpenAL Soft configuration turns HRTF off keeps plain level panning.
TEST(PlayerConfigTest, HrtfTurnedOffByThePlayerPansByLevelWithItsLine) {
    useWaveFileBackend("hrtf=false\n");
    std::string printed = playNoiseOnDefaultDevice(vsound::vec3df(3, 0, 0));
    EXPECT_EQ(printed,
              "Sound: no HRTF (turned off in the OpenAL Soft configuration); sounds are panned by "
              "level alone.\n");

    Levels levels = levelsOf(readAll(scratchPath("heard.wav")));
    EXPECT_GT(levels.right, 0.01);
    EXPECT_EQ(levels.left, 0.0);  // plain panning: no crossfeed, no far-ear filter
}

}  // namespace
