// The cost of hearing the space: 64 looping voices spread through the shipped level around a
// listener walking a small circle at its start. Per game frame (1/60 s) the main thread updates
// the engine and, with the space on, casts the rays and sets the filters and the reverb; a
// loopback device then mixes that frame's sound in 1024-frame periods, as a device's thread
// would. "off" is the same engine without the space (dry voices, no reverb in the slot). The
// two alternate second by second so that a busy machine weighs on both alike.
// Run from game/: space_sound_bench

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/Game.h"
#include "graphics/GraphicsSystem.h"
#include "physics/PhysicsSystem.h"
#include "sound/SoundSystem.h"
#include "sound/SpaceSound.h"
#include "sound3d/LoopbackDevice.h"

using irr::core::vector3df;

namespace {

const int kRate = 44100;
const int kPeriod = 1024;
const int kFrames = 60;  // a second of frames per measurement
const int kRounds = 11;
const char* const kSound = "Content/sounds/ambient/hum.wav";

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + 1e-9 * double(now.tv_nsec);
}

struct Side {
    vsound::ISoundEngine* engine;
    SpaceSound* space;  // null: off
    std::vector<float> out = std::vector<float>(2 * kPeriod);
    int mixedAhead = 0;  // frames of sound mixed beyond the frames played
};

struct Cost {
    double updateMs, mixMs;  // per frame
};

// One second of frames; the listener walks a circle of radius 3 around `centre`.
Cost runSecond(Side& side, const vector3df& centre, int& tick) {
    double update = 0, mix = 0;
    for (int frame = 0; frame < kFrames; ++frame, ++tick) {
        const float angle = float(tick) * 0.02f;
        const vector3df ear = centre + vector3df(std::cos(angle), 0, std::sin(angle)) * 3.0f;
        double start = threadSeconds();
        side.engine->setListenerPosition(ear, vector3df(-std::sin(angle), 0, std::cos(angle)));
        side.engine->update();
        if (side.space)
            side.space->update(PhysicsSystem::instance().scene, ear, 1.0f / kFrames);
        update += threadSeconds() - start;
        start = threadSeconds();
        for (side.mixedAhead -= kRate / kFrames; side.mixedAhead < 0; side.mixedAhead += kPeriod)
            vsound::renderLoopback(side.engine, side.out.data(), kPeriod);
        mix += threadSeconds() - start;
    }
    return {1000.0 * update / kFrames, 1000.0 * mix / kFrames};
}

// Voices on a spiral over the sphere, 2 to 40 units from `centre`.
void fillWithVoices(vsound::ISoundEngine* engine, const vector3df& centre) {
    const int voices = 64;
    for (int i = 0; i < voices; ++i) {
        const double up = 1.0 - 2.0 * (i + 0.5) / voices, around = i * M_PI * (3.0 - std::sqrt(5.0));
        const double distance = 2.0 + 38.0 * i / (voices - 1), flat = std::sqrt(1.0 - up * up);
        const vector3df offset(float(distance * flat * std::cos(around)), float(distance * up * 0.3),
                               float(distance * flat * std::sin(around)));
        engine->play3D(kSound, centre + offset, true, false, false);
    }
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    GraphicsSystem::useDriver(irr::video::EDT_NULL);
    SoundSystem::useEngine(nullptr);  // the level's own emitters stay silent: only ours are measured
    startUp();
    irr::scene::ICameraSceneNode* camera = GraphicsSystem::instance().sceneManager->getActiveCamera();
    camera->updateAbsolutePosition();
    const vector3df centre = camera->getAbsolutePosition();

    Side off{vsound::createLoopbackDevice(kRate), nullptr};
    Side on{vsound::createLoopbackDevice(kRate), nullptr};
    vsound::IAcoustics* acoustics = vsound::getAcoustics(on.engine);
    if (!off.engine || !acoustics) {
        std::printf("space_sound_bench: no loopback device with effects; nothing to measure.\n");
        return 1;
    }
    auto space = std::make_unique<SpaceSound>(*acoustics);
    on.space = space.get();
    fillWithVoices(off.engine, centre);
    fillWithVoices(on.engine, centre);
    int tick = 0;
    runSecond(off, centre, tick);
    runSecond(on, centre, tick);

    std::vector<double> updateOn, updateOff, mixOn, mixOff, extra;
    std::printf("round  update ms/frame off  on   mix ms/frame off  on   on-off ms/frame\n");
    for (int round = 0; round < kRounds; ++round) {
        Cost a, b;
        if (round % 2 == 0) {
            a = runSecond(off, centre, tick);
            b = runSecond(on, centre, tick);
        } else {
            b = runSecond(on, centre, tick);
            a = runSecond(off, centre, tick);
        }
        updateOff.push_back(a.updateMs), updateOn.push_back(b.updateMs);
        mixOff.push_back(a.mixMs), mixOn.push_back(b.mixMs);
        extra.push_back(b.updateMs + b.mixMs - a.updateMs - a.mixMs);
        std::printf("%5d  %19.3f %5.3f  %16.3f %5.3f  %15.3f\n", round, a.updateMs, b.updateMs,
                    a.mixMs, b.mixMs, extra.back());
    }
    std::printf("median, 64 voices in the shipped level: update %.3f -> %.3f ms/frame (x%.2f), "
                "mix %.3f -> %.3f ms/frame (x%.2f), the space costs %.3f ms/frame\n",
                median(updateOff), median(updateOn), median(updateOn) / median(updateOff),
                median(mixOff), median(mixOn), median(mixOn) / median(mixOff), median(extra));
    space.reset();
    on.engine->drop();
    off.engine->drop();
    return 0;
}
