// The share of lit pixels, frame by frame, while a scripted player walks the shipped level at
// 1280x720 (the real start-up and frame loop, 33 ms frames): prints the median, the 10th
// percentile, the quartiles and the share of frames that are almost black (under 2 % lit).
// A pixel is lit when one of its channels is above 16 of 255.
// Run from game/ on an X display: walk_light_bench [hall] [tap] [directory for the frames, as PNG]
//   - a loop round the start room's middle, every frame read; "tap": the cane every half second;
//   - "hall": a square of 32 round the hall's middle for 60 s, a frame read every 0.5 s;
//     "tap": the cane every second.

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
const u32 LIT_LEVEL = 16;

struct Walk {
    std::vector<InputFrame> frames;
    size_t readEvery;   // frames
    size_t readFrom;    // the first frames settle
};

// Straight legs of `legFrames` joined by quarter turns to the right (9 degrees a frame), the
// cane tapped every `tapEvery` frames of a leg (0: never), until `total` frames.
std::vector<InputFrame> squareWalk(size_t legFrames, size_t tapEvery, size_t total) {
    std::vector<InputFrame> frames;
    while (frames.size() < total) {
        for (size_t i = 0; i < legFrames + 10 && frames.size() < total; ++i) {
            InputFrame f = holding({KEY_KEY_W});
            if (i >= legFrames) f.cursorX = 0.5f + 0.09f;
            if (tapEvery && i < legFrames && i % tapEvery == 0) f.keys.push_back(KEY_KEY_Q);
            frames.push_back(f);
        }
    }
    return frames;
}

Walk startRoomLoop(bool tap) { return {squareWalk(75, tap ? 15 : 0, 4 * 85), 1, 10}; }

Walk hallSquare(bool tap) {
    GameWorld::instance().player->setPosition(-15, 2, -15);
    return {squareWalk(80, tap ? 30 : 0, 60000 / FRAME_MS), 15, 15};
}

float quantile(std::vector<float> v, float q) {
    std::sort(v.begin(), v.end());
    return v[size_t(q * float(v.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
    int arg = 1;
    auto option = [&](const char* word) {
        const bool given = argc > arg && std::strcmp(argv[arg], word) == 0;
        arg += given;
        return given;
    };
    const bool hall = option("hall");
    const bool tap = option("tap");
    const char* shots = argc > arg ? argv[arg] : nullptr;
    GraphicsSystem::useWindowSize(core::dimension2du(1280, 720), false);
    startUp();
    GraphicsSystem::instance().fixedFrameTime = FRAME_MS;
    const Walk walk = hall ? hallSquare(tap) : startRoomLoop(tap);
    installScriptedInput(walk.frames);
    std::vector<float> shares;
    for (size_t i = 0; i < walk.frames.size(); ++i) {
        if (i < walk.readFrom || (i - walk.readFrom) % walk.readEvery) {
            runFrame();
            continue;
        }
        Snapshot shot = captureFrame();
        if (!shot.width) continue;
        shares.push_back(shot.litShare(0, 0, shot.width, shot.height, LIT_LEVEL));
        if (shots) savePng(shot, std::string(shots) + "/" + std::to_string(shares.size()) + ".png");
    }
    if (shares.empty()) {
        std::printf("walk_light_bench: no frames were drawn\n");
        return 1;
    }
    const float dark = float(std::count_if(shares.begin(), shares.end(), [](float s) { return s < 0.02f; }));
    std::printf("walk %s, %s: %zu frames read, lit share median %.1f %%, 10th percentile %.1f %% "
                "(quartiles %.1f %%, %.1f %%), frames under 2 %% lit: %.0f %%\n",
                hall ? "round the hall's middle" : "round the start room",
                !tap ? "without cane taps" : hall ? "a cane tap a second" : "a cane tap every 0.5 s",
                shares.size(), 100 * quantile(shares, 0.5f), 100 * quantile(shares, 0.1f),
                100 * quantile(shares, 0.25f), 100 * quantile(shares, 0.75f), 100 * dark / float(shares.size()));
    return 0;
}
