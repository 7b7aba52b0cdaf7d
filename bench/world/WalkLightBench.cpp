// The share of lit pixels, frame by frame, while a scripted player walks a loop of the shipped
// level at 1280x720 (the real start-up and frame loop, 33 ms frames): prints the median, the
// quartiles and the share of frames that are almost black (under 2 % lit).
// Run from game/ on an X display: walk_light_bench [tap]   ("tap": the cane every half second)
// A pixel is lit when one of its channels is above 16 of 255.

#include "app/Game.h"
#include "graphics/GraphicsSystem.h"
#include "harness/Screenshot.h"
#include "harness/ScriptedInput.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace irr;

namespace {

const u32 LIT_LEVEL = 16;

// Straight walks joined by quarter turns to the right, round the room's middle.
std::vector<InputFrame> walkLoop(bool tap) {
    std::vector<InputFrame> frames;
    for (int leg = 0; leg < 4; ++leg) {
        for (int i = 0; i < 75; ++i) {
            InputFrame f = holding({KEY_KEY_W});
            if (tap && i % 15 == 0) f.keys.push_back(KEY_KEY_Q);
            frames.push_back(f);
        }
        for (int i = 0; i < 10; ++i) {
            InputFrame f = holding({KEY_KEY_W});
            f.cursorX = 0.5f + 0.09f;  // 9 degrees a frame
            frames.push_back(f);
        }
    }
    return frames;
}

float quantile(std::vector<float> v, float q) {
    std::sort(v.begin(), v.end());
    return v[size_t(q * float(v.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
    const bool tap = argc > 1 && std::strcmp(argv[1], "tap") == 0;
    GraphicsSystem::useWindowSize(core::dimension2du(1280, 720), false);
    startUp();
    GraphicsSystem::instance().fixedFrameTime = 33;
    const std::vector<InputFrame> frames = walkLoop(tap);
    installScriptedInput(frames);
    std::vector<float> shares;
    for (size_t i = 0; i < frames.size(); ++i) {
        Snapshot shot = captureFrame();
        if (i >= 10 && shot.width) shares.push_back(shot.litShare(0, 0, shot.width, shot.height, LIT_LEVEL));
    }
    if (shares.empty()) {
        std::printf("walk_light_bench: no frames were drawn\n");
        return 1;
    }
    const float dark = float(std::count_if(shares.begin(), shares.end(), [](float s) { return s < 0.02f; }));
    std::printf("walk %s: %zu frames, lit share median %.1f %% (quartiles %.1f %%, %.1f %%), "
                "frames under 2 %% lit: %.0f %%\n",
                tap ? "with a cane tap every 0.5 s" : "without cane taps", shares.size(),
                100 * quantile(shares, 0.5f), 100 * quantile(shares, 0.25f), 100 * quantile(shares, 0.75f),
                100 * dark / float(shares.size()));
    return 0;
}
