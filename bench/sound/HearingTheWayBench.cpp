// What a player hears of the shipped level with the screen off. Two sets of figures, each on a
// loopback device with the game's space (muffling, room reverb) over the level's own geometry:
//  - how long a cane tap rings: at the hall's middle and in the start room, the seconds until it
//    has fallen 30 dB for good and the reverberation time (RT60, from the energy's backward
//    integral between -5 and -25 dB, times three);
//  - the cues on the way from the start to the exit: for each point on the way (the player
//    facing north) and each cue that sounds there, its level (dB, RMS over the cue) and which
//    ear hears it louder (right over left, dB: positive is to the right), and whether something
//    that stops sound (a wall, the closed door) stands between, so that the game muffles it (the
//    ray stops a quarter unit short, as the game's do: a sound on a surface is not behind it).
// Run from game/: hearing_bench

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/Game.h"
#include "graphics/GraphicsSystem.h"
#include "physics/PhysicsSystem.h"
#include "sound/SoundRays.h"
#include "sound/SoundSystem.h"
#include "sound/SpaceSound.h"
#include "sound3d/LoopbackDevice.h"

using irr::core::vector3df;

namespace {

const int kRate = 44100;
const int kFrameSamples = kRate / 60;  // mixed a game frame at a time: one long render has no tail

struct Listener {
    vsound::ISoundEngine* engine;
    SpaceSound* space;
    vector3df ear;

    // Game frames: the space updates, then a frame's worth is mixed.
    std::vector<float> play(int frames) {
        std::vector<float> heard, chunk(2 * size_t(kFrameSamples));
        for (int i = 0; i < frames; ++i) {
            engine->update();
            space->update(PhysicsSystem::instance().scene, ear, 1.0f / 60.0f);
            vsound::renderLoopback(engine, chunk.data(), kFrameSamples);
            heard.insert(heard.end(), chunk.begin(), chunk.end());
        }
        return heard;
    }
    void standAt(const vector3df& where) {
        ear = where;
        engine->setListenerPosition(ear, vector3df(0, 0, 1));
        play(120);  // the reverb glides to the room; what played before dies away
    }
};

std::vector<double> levelsDb(const std::vector<float>& stereo, size_t window) {
    std::vector<double> levels;
    for (size_t start = 0; start + window <= stereo.size(); start += window) {
        double sum = 1e-30;
        for (size_t i = start; i < start + window; ++i) sum += double(stereo[i]) * stereo[i];
        levels.push_back(10 * std::log10(sum));
    }
    return levels;
}

double fallBy30Db(const std::vector<float>& stereo) {
    const std::vector<double> levels = levelsDb(stereo, 2 * size_t(kRate) / 100);
    const size_t peak = size_t(std::max_element(levels.begin(), levels.end()) - levels.begin());
    size_t last = peak;
    for (size_t i = peak; i < levels.size(); ++i)
        if (levels[i] > levels[peak] - 30) last = i;
    return double(last - peak) / 100.0;
}

double rt60(const std::vector<float>& stereo) {
    std::vector<double> backward(stereo.size() / 2 + 1, 0.0);
    for (size_t i = stereo.size() / 2; i-- > 0;)
        backward[i] = backward[i + 1] + double(stereo[2 * i]) * stereo[2 * i] +
                      double(stereo[2 * i + 1]) * stereo[2 * i + 1];
    const double total = backward[0];
    size_t at5 = 0, at25 = 0;
    for (size_t i = 0; i < backward.size(); ++i) {
        const double db = 10 * std::log10(backward[i] / total + 1e-30);
        if (db > -5) at5 = i;
        if (db > -25) at25 = i;
    }
    return 3.0 * double(at25 - at5) / kRate;
}

struct Heard {
    double levelDb, rightOverLeftDb;
};

double energy(const std::vector<float>& stereo, int channel) {
    double sum = 1e-30;
    for (size_t i = size_t(channel); i < stereo.size(); i += 2) sum += double(stereo[i]) * stereo[i];
    return sum;
}

Heard measure(const std::vector<float>& stereo) {
    const double left = energy(stereo, 0), right = energy(stereo, 1);
    const double frames = double(stereo.size() / 2);
    return {10 * std::log10((left + right) / (2 * frames)), 10 * std::log10(right / left)};
}

// A sound at a level node: an emitter's at the node, an event's (PlaySound's) on the side of the
// object facing the ear.
struct Cue {
    const char* name;
    const char* file;
    const char* node;
    bool event;
    int frames;  // how long to listen

    vector3df at(const vector3df& ear) const {
        irr::scene::ISceneNode* found = GraphicsSystem::instance().sceneManager->getSceneNodeFromName(node);
        found->updateAbsolutePosition();
        return event ? nearestPointOf(found->getTransformedBoundingBox(), ear) : found->getAbsolutePosition();
    }
};

struct Point {
    const char* name;
    vector3df ear;
};

}  // namespace

int main() {
    GraphicsSystem::useDriver(irr::video::EDT_NULL);
    SoundSystem::useEngine(nullptr);  // the level's own emitters stay silent: only ours are heard
    startUp();
    vsound::ISoundEngine* engine = vsound::createLoopbackDevice(kRate);
    vsound::IAcoustics* acoustics = vsound::getAcoustics(engine);
    if (!engine || !acoustics) {
        std::printf("hearing_bench: no loopback device with effects; nothing to measure.\n");
        return 1;
    }
    auto space = std::make_unique<SpaceSound>(*acoustics);
    Listener listener{engine, space.get(), vector3df()};

    const Point rooms[] = {{"hall middle", vector3df(0, 4, 0)}, {"start room", vector3df(0, 4, -55)}};
    for (const Point& room : rooms) {
        listener.standAt(room.ear);
        engine->play3D("Content/sounds/fx/global/cane/tap.wav", room.ear + vector3df(0, -4, 2.5f));
        const std::vector<float> heard = listener.play(360);
        std::printf("cane tap, %s: falls 30 dB in %.2f s, RT60 %.2f s\n", room.name, fallBy30Db(heard), rt60(heard));
    }

    const Cue cues[] = {
        {"drip (pipe by the door)", "Content/sounds/ambient/drip.wav", "DrippingPipe", false, 180},
        {"hum (exit room)", "Content/sounds/ambient/hum.wav", "HumMachine", false, 120},
        {"switch rattle", "Content/sounds/fx/level/switch_locked.wav", "1Switch", true, 30},
        {"plate ring", "Content/sounds/fx/level/plate_up.wav", "2Plate", true, 30},
        {"door creak", "Content/sounds/fx/level/door_creak.wav", "3Door", true, 90},
        {"exit chime", "Content/sounds/fx/level/exit_chime.wav", "2ExitPad", true, 150},
    };
    const Point way[] = {{"start room", vector3df(0, 4, -55)}, {"hall entrance", vector3df(0, 4, -42)},
                         {"hall middle", vector3df(0, 4, 0)},  {"hall, 15 before the door", vector3df(0, 4, 30)},
                         {"on the mat", vector3df(0, 4, 42.5f)}};
    const SoundRays rays(PhysicsSystem::instance().scene);
    std::printf("%-26s %-24s %9s %14s  %s\n", "point (facing north)", "cue", "level dB", "right-left dB",
                "between");
    for (const Point& point : way) {
        for (const Cue& cue : cues) {
            listener.standAt(point.ear);
            const vector3df at = cue.at(point.ear);
            vsound::ISound* sound = engine->play3D(cue.file, at, false, true, false);
            if (!sound) continue;
            sound->setMinDistance(4.0f);  // as the level's emitters and events have it
            sound->setIsPaused(false);
            sound->drop();
            const Heard heard = measure(listener.play(cue.frames));
            std::printf("%-26s %-24s %9.1f %14.1f  %s\n", point.name, cue.name, heard.levelDb,
                        heard.rightOverLeftDb, rays.blocked(point.ear, at - (at - point.ear).normalize() * 0.25f) ? "a wall: muffled" : "open");
        }
    }
    space.reset();
    engine->drop();
    return 0;
}
