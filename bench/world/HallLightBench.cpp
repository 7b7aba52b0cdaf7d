// How much of the screen the waves light while a scripted player walks a square round the middle
// of the shipped level's hall for 60 s of game time at 1280x720 (the real start-up and frame
// loop, 33 ms frames), with footsteps only or with a cane tap every second. A frame every 0.5 s
// is read back; prints the median, the 10th percentile and the share of those frames under 2 %
// lit. A pixel is lit when one of its channels is above 16 of 255.
// Run from game/ on an X display: hall_light_bench [tap [directory for the frames read, as PNG]]

#include "app/Game.h"
#include "graphics/GraphicsSystem.h"
#include "harness/Screenshot.h"
#include "harness/ScriptedInput.h"
#include "world/GameWorld.h"
#include "world/Player.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace irr;

namespace {

const s32 FRAME_MS = 33;
const size_t FRAMES = 60000 / FRAME_MS;
const size_t SAMPLE_EVERY = 15;   // about 0.5 s
const size_t TAP_EVERY = 30;      // about 1 s
const u32 LIT_LEVEL = 16;

// Legs of 2.5 s (30 units) joined by quarter turns to the right, from a corner of the square.
std::vector<InputFrame> squareWalk(bool tap) {
    std::vector<InputFrame> frames;
    while (frames.size() < FRAMES) {
        for (int i = 0; i < 85 && frames.size() < FRAMES; ++i) {
            InputFrame f = holding({KEY_KEY_W});
            if (i >= 75) f.cursorX = 0.5f + 0.09f;  // 9 degrees a frame
            if (tap && frames.size() % TAP_EVERY == 0) f.keys.push_back(KEY_KEY_Q);
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
    const char* shots = argc > 2 ? argv[2] : nullptr;
    GraphicsSystem::useWindowSize(core::dimension2du(1280, 720), false);
    startUp();
    GraphicsSystem::instance().fixedFrameTime = FRAME_MS;
    GameWorld::instance().player->setPosition(-15, 2, -15);
    const std::vector<InputFrame> frames = squareWalk(tap);
    installScriptedInput(frames);
    std::vector<float> shares;
    for (size_t i = 1; i <= frames.size(); ++i) {
        if (i % SAMPLE_EVERY) {
            runFrame();
            continue;
        }
        Snapshot shot = captureFrame();
        if (!shot.width) continue;
        shares.push_back(shot.litShare(0, 0, shot.width, shot.height, LIT_LEVEL));
        if (shots) savePng(shot, std::string(shots) + "/" + std::to_string(i / SAMPLE_EVERY) + ".png");
    }
    if (shares.empty()) {
        std::printf("hall_light_bench: no frames were drawn\n");
        return 1;
    }
    const float dark = float(std::count_if(shares.begin(), shares.end(), [](float s) { return s < 0.02f; }));
    std::printf("hall, %s: %zu frames read, lit share median %.1f %%, 10th percentile %.1f %%, "
                "frames under 2 %% lit: %.0f %%\n",
                tap ? "a cane tap a second" : "footsteps only", shares.size(),
                100 * quantile(shares, 0.5f), 100 * quantile(shares, 0.1f), 100 * dark / float(shares.size()));
    return 0;
}
