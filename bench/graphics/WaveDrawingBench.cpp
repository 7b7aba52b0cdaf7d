// Frame cost of the wave-lit drawing by screen tiles against the shader's own loop and against
// the built-in materials, at 0, 1, 8, 32 and 64 waves, on the shipped level and on a plain room,
// at 640x480 and 1280x720; and how many pixels the two wave-lit drawings disagree on.
//
// All configurations of one scene and size take turns frame by frame, and each reports its
// median CPU time per frame (the rasteriser's threads included), so that other load on the
// machine hits all of them alike; read the ratios, not the milliseconds.
// Run from game/ on an X display: wave_drawing_bench [rounds [part of a scene's name]]

#include "WaveRoom.h"
#include "WaveScenes.h"
#include "app/HeapTuning.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <vector>

using namespace irr;

namespace {

const int WAVE_COUNTS[] = {0, 1, 8, 16, 32, 64};

enum Scene { SHIPPED_LEVEL, PLAIN_ROOM, ROOM_WITH_BIG_RINGS, HALL_WITH_BIG_RINGS };
const char* const SCENE_NAMES[] = {"shipped level", "plain room", "plain room, room-size rings",
                                   "closed hall, room-size rings"};
const int KINDS = sizeof(WAVE_COUNTS) / sizeof(WAVE_COUNTS[0]);

double clockMs(clockid_t clock) {
    timespec t;
    clock_gettime(clock, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double cpuMs() { return clockMs(CLOCK_PROCESS_CPUTIME_ID); }
double wallMs() { return clockMs(CLOCK_MONOTONIC); }

struct Config {
    const s32* table;                   // null: built-in materials
    std::vector<f32>* records;          // what the wave-lit shaders receive
    Graphics::WaveLitDrawer* drawer;    // null: drawAll
    std::vector<double> frames;
    int draws = 0;   // of the tiled drawing's last frame

    double median() {
        std::sort(frames.begin(), frames.end());
        return frames[frames.size() / 2];
    }
};

// One frame; `read` sees the back buffer before it is shown.
double drawFrame(IrrlichtDevice* device, Config& config,
                 const std::function<void()>& read = nullptr) {
    video::IVideoDriver* driver = device->getVideoDriver();
    scene::ISceneManager* scene = device->getSceneManager();
    WaveScenes::useMaterials(scene->getRootSceneNode(), config.table);
    double start = cpuMs();
    device->run();
    driver->beginScene(true, true, video::SColor(255, 255, 255, 255));
    if (config.drawer) {
        config.drawer->draw(*config.records);
        config.draws = config.drawer->drawCalls();
    } else {
        scene->drawAll();
    }
    glFinish();
    if (read) read();
    driver->endScene();
    return cpuMs() - start;
}

bool measure(Scene kind, u32 width, u32 height, int rounds) {
    IrrlichtDevice* device = createDevice(video::EDT_OPENGL, core::dimension2du(width, height),
                                          32, false, true, false);
    if (!device) {
        std::printf("wave_drawing_bench: no OpenGL window (is DISPLAY set?)\n");
        return false;
    }
    scene::ISceneManager* scene = device->getSceneManager();
    // The shader set first, so that it takes ids 24 .. 47 as in the game.
    std::vector<f32> records[KINDS];
    WaveScenes::WaveLit waveLit(device);
    if (!waveLit.built()) {
        std::printf("wave_drawing_bench: the wave shaders did not build (run from game/)\n");
        device->drop();
        return false;
    }
    if (kind == SHIPPED_LEVEL && !WaveScenes::loadShippedLevel(scene)) {
        std::printf("wave_drawing_bench: the shipped level did not load (run from game/)\n");
        device->drop();
        return false;
    }
    if (kind == PLAIN_ROOM || kind == ROOM_WITH_BIG_RINGS) WaveRoom::build(scene);
    if (kind == HALL_WITH_BIG_RINGS) WaveScenes::buildHall(scene);
    core::aabbox3df area = WaveScenes::meshBounds(scene);
    const double loadStart = wallMs();
    waveLit.drawer->prepare();
    const double loadMs = wallMs() - loadStart;
    const bool bigRings = kind == ROOM_WITH_BIG_RINGS || kind == HALL_WITH_BIG_RINGS;

    std::vector<Config> configs;
    configs.push_back(Config{nullptr, &records[0], nullptr, {}});
    for (int k = 0; k < KINDS; ++k) {
        records[k] = bigRings ? WaveScenes::roomSizeRings(WAVE_COUNTS[k], area, 11 + k)
                              : WaveScenes::spreadWaves(WAVE_COUNTS[k], area, 11 + k);
        configs.push_back(Config{waveLit.table, &records[k], nullptr, {}});
        configs.push_back(Config{waveLit.table, &records[k], waveLit.drawer.get(), {}});
    }
    std::vector<Config*> order;
    for (Config& c : configs) order.push_back(&c);

    std::printf("\n%s, %ux%u; shaders built and compiled at load in %.0f ms\n", SCENE_NAMES[kind],
                width, height, loadMs);
    std::vector<u8> loopPicture, tiledPicture;
    for (int round = -2; round < rounds; ++round) {
        for (Config* config : order) {
            waveLit.pointAt(*config->records);
            double ms = drawFrame(device, *config);
            if (round >= 0) config->frames.push_back(ms);
        }
    }
    double builtIn = configs[0].median();
    std::printf("  waves   built-in ms   loop ms  loop/built-in   tiled ms  tiled/built-in  "
                "tiled/loop  draws  differing pixels (largest)\n");
    for (int k = 0; k < KINDS; ++k) {
        Config& loop = configs[1 + 2 * k];
        Config& tiled = configs[2 + 2 * k];
        waveLit.pointAt(*loop.records);
        drawFrame(device, loop, [&] { loopPicture = WaveScenes::readPixels(device->getVideoDriver()); });
        drawFrame(device, tiled, [&] { tiledPicture = WaveScenes::readPixels(device->getVideoDriver()); });
        WaveScenes::Difference d = WaveScenes::compare(loopPicture, tiledPicture);
        double l = loop.median(), t = tiled.median();
        std::printf("  %5d  %11.2f  %8.2f  %13.2f  %9.2f  %14.2f  %10.2f  %5d  %7d (%d)\n",
                    WAVE_COUNTS[k], builtIn, l, l / builtIn, t, t / builtIn, t / l, tiled.draws,
                    d.pixels, d.largest);
    }
    std::fflush(stdout);
    waveLit.drawer.reset();   // its pieces leave the driver before the driver goes
    device->closeDevice();
    device->run();
    device->drop();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    tuneHeapForFrames();
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const char* only = argc > 2 ? argv[2] : nullptr;   // scenes whose name contains this
    for (core::dimension2du size : {core::dimension2du(640, 480), core::dimension2du(1280, 720)})
        for (Scene kind : {SHIPPED_LEVEL, PLAIN_ROOM, ROOM_WITH_BIG_RINGS, HALL_WITH_BIG_RINGS})
            if ((!only || std::strstr(SCENE_NAMES[kind], only)) &&
                !measure(kind, size.Width, size.Height, rounds))
                return 1;
    return 0;
}
