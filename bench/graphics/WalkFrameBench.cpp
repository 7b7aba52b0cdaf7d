// Frame times of the real game while a scripted player walks the shipped level for 60 s of game
// time tapping the cane (20 ms frames), wave-lit frames and F2's built-in materials taking turns
// frame by frame; and how long start-up took. Prints the median, 99th percentile and worst
// frame of each, the frames over 50 ms, and the live waves. With `rings K` the player instead
// stands at the start for 10 s, looking over the start room, while K pulses as large as the
// room sweep it (a new one wherever one ends), every shell crossing floor, walls and ceiling.
// Run from game/ on an X display: walk_frame_bench [width height] [rings K]

#include "app/Game.h"
#include "graphics/GraphicsSystem.h"
#include "harness/ScriptedInput.h"
#include "waves/WaveManager.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace irr;

namespace {

const int FRAME_MS = 20;
const int FRAMES = 60000 / FRAME_MS;
const double STALL_MS = 50;

double nowMs() {
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Straight walks joined by turns to the right, tapping the cane every 0.3 s.
std::vector<InputFrame> walk() {
    std::vector<InputFrame> frames;
    while (frames.size() < static_cast<size_t>(FRAMES)) {
        InputFrame f = holding({KEY_KEY_W});
        if (frames.size() % 15 == 0) f.keys.push_back(KEY_KEY_Q);
        // Now and then a jump, over the ledge out of the start room and on into the hall.
        if (frames.size() % 40 == 20) f.keys.push_back(KEY_SPACE);
        if (frames.size() % 100 >= 88) f.cursorX = 0.5f + 0.09f;
        frames.push_back(f);
    }
    return frames;
}

// Pulses as large as the start room (12 x 13, 5 high around the player start), centred anywhere
// in it, fronts from half to all of its size, with the level's wakes.
void keepRings(int count, const core::vector3df& start) {
    WaveManager& waves = WaveManager::instance();
    auto between = [](float low, float high) {
        return low + (high - low) * static_cast<float>(std::rand()) / RAND_MAX;
    };
    while (waves.recordCount() < count) {
        const core::vector3df centre = start + core::vector3df(between(-6, 6), between(-1, 3),
                                                               between(-6, 6));
        const float from = between(6, 12);
        waves.addPulse(centre, from + 4, between(2, 8), 4, between(0.2f, 1), from,
                       core::vector3df(between(0.3f, 1), between(0.3f, 1), between(0.3f, 1)));
    }
}

double quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(q * static_cast<double>(v.size() - 1))];
}

void report(const char* name, const std::vector<double>& ms) {
    std::printf("  %-9s median %6.2f ms  99th percentile %6.2f ms  worst %7.2f ms  "
                "over 50 ms: %ld\n",
                name, quantile(ms, 0.5), quantile(ms, 0.99), quantile(ms, 1.0),
                static_cast<long>(std::count_if(ms.begin(), ms.end(),
                                                [](double t) { return t > STALL_MS; })));
}

}  // namespace

int main(int argc, char** argv) {
    int rings = 0;
    if (argc > 2 && std::string(argv[argc - 2]) == "rings") {
        rings = std::max(1, std::atoi(argv[argc - 1]));
        argc -= 2;
    }
    const u32 width = argc > 2 ? static_cast<u32>(std::atoi(argv[1])) : 1280;
    const u32 height = argc > 2 ? static_cast<u32>(std::atoi(argv[2])) : 720;
    GraphicsSystem::useWindowSize(core::dimension2du(width, height), false);
    const double start = nowMs();
    startUp();
    const double startUpMs = nowMs() - start;
    GraphicsSystem& graphics = GraphicsSystem::instance();
    graphics.fixedFrameTime = FRAME_MS;
    const int frames = rings ? FRAMES / 6 : FRAMES;
    if (!rings) installScriptedInput(walk());
    const core::vector3df playerStart =
        graphics.sceneManager->getActiveCamera()->getAbsolutePosition();
    std::vector<double> waveLit, builtIn, liveWaves;
    for (int i = 0; i < frames; ++i) {
        if (rings) keepRings(rings, playerStart);
        const bool lit = graphics.wavesApplied;
        const double before = nowMs();
        if (!runFrame()) break;
        const double ms = nowMs() - before;
        (lit ? waveLit : builtIn).push_back(ms);
        if (lit) liveWaves.push_back(WaveManager::instance().recordCount());
        graphics.toggleWaveShading();
    }
    if (waveLit.empty() || builtIn.empty()) {
        std::printf("walk_frame_bench: no frames were drawn\n");
        return 1;
    }
    std::printf("%s at %ux%u, %zu frames; start-up %.0f ms\n",
                rings ? "the start room with room-size rings" : "walk of the shipped level", width,
                height, waveLit.size() + builtIn.size(), startUpMs);
    report("wave-lit", waveLit);
    report("built-in", builtIn);
    std::printf("  wave-lit / built-in: median %.2f, 99th percentile %.2f; live waves median %.0f, "
                "95th percentile %.0f, most %.0f\n",
                quantile(waveLit, 0.5) / quantile(builtIn, 0.5),
                quantile(waveLit, 0.99) / quantile(builtIn, 0.99), quantile(liveWaves, 0.5),
                quantile(liveWaves, 0.95), quantile(liveWaves, 1.0));
    return 0;
}
