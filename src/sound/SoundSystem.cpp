#include "sound/SoundSystem.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "graphics/GraphicsSystem.h"
#include "physics/PhysicsSystem.h"
#include "sound/CIrrKlangSceneNodeFactory.h"
#include "sound/SpaceSound.h"
#include "waves/WaveManager.h"

using irr::core::vector3df;

namespace {

// The pulse that makes a one-shot effect visible.
struct EffectPreset {
    vector3df colour;
    float maxRadius, trail, waveSpeed, maxIntensity, startingRadius;
};

const char* const FOOTSTEP_FILE_NAMES[SoundSystem::FOOTSTEP_FILES] = {
    "Content/sounds/fx/global/footsteps/Concrete_Male_01.wav",
    "Content/sounds/fx/global/footsteps/Concrete_Male_02.wav",
    "Content/sounds/fx/global/footsteps/Concrete_Male_03.wav",
    "Content/sounds/fx/global/footsteps/Concrete_Male_04.wav",
    "Content/sounds/fx/global/footsteps/Concrete_Male_05.wav",
    "Content/sounds/fx/global/footsteps/Concrete_Male_06.wav",
    "Content/sounds/fx/global/footsteps/Concrete_Male_07.wav"};
const char* const IMPACT_FILE = "Content/sounds/fx/global/bench/bump_02.wav";
const char* const LIGHT_IMPACT_FILE = "Content/sounds/fx/global/bench/knock_light.wav";
const EffectPreset IMPACT = {vector3df(0.7f, 1.0f, 0.6f), 20.0f, 10.0f, 15.0f, 1.0f, 0.0f};
// Level events (a plate, a switch, a door): warm, so they stand apart from steps and impacts.
const EffectPreset EVENT = {vector3df(1.0f, 0.8f, 0.45f), 16.0f, 6.0f, 12.0f, 0.9f, 0.0f};
// Full volume within this many units, as the level's emitters are: events are meant to be
// found by ear from across a room.
const float EVENT_MIN_DISTANCE = 4.0f;
const EffectPreset FOOTSTEP = {vector3df(0.6f, 0.8f, 1.0f), 8.0f, 5.0f, 4.0f, 0.75f, 0.0f};

const float STEP_SPACING = 3.5f;    // listener travel between steps, world units
const float STEP_SIDE = 0.75f;      // each foot's offset from the listener along the side
const float STEP_DROP = 4.0f;       // from the listener's ear down to the floor

bool engineChosen = false;
vsound::ISoundEngine* chosenEngine = nullptr;

vsound::ISoundEngine* openEngine() {
    if (engineChosen) {
        if (chosenEngine)
            chosenEngine->grab();
        return chosenEngine;
    }
    return vsound::createIrrKlangDevice(vsound::ESOD_AUTO_DETECT, vsound::ESEO_DEFAULT_OPTIONS,
                                        nullptr, "1.1.0");
}

// Decodes a file now rather than on its first play, which would stall that frame.
void preload(vsound::ISoundEngine* engine, const char* file) {
    vsound::ISound* sound = engine->play3D(file, vsound::vec3df(), false, true, false);
    if (sound) {
        sound->stop();
        sound->drop();
    }
}

}  // namespace

SoundSystem& SoundSystem::instance() {
    static SoundSystem system;
    static const bool started = system.init();
    (void)started;
    return system;
}

void SoundSystem::useEngine(vsound::ISoundEngine* engine) {
    engineChosen = true;
    chosenEngine = engine;
}

SoundSystem::SoundSystem()
    : engine(nullptr), space(nullptr), listener(nullptr), footstepFiles(), nextStepNegative(true),
      lastStepPosition(0, 0, 0) {}

SoundSystem::~SoundSystem() {
    delete space;
    if (engine)
        engine->drop();
}

bool SoundSystem::init() {
    delete space;
    space = nullptr;
    if (engine)
        engine->drop();
    engine = openEngine();
    if (!engine)
        std::printf("Sound: no audio device; the game runs silent\n");
    if (vsound::IAcoustics* acoustics = vsound::getAcoustics(engine))
        space = new SpaceSound(*acoustics);

    GraphicsSystem& graphics = GraphicsSystem::instance();
    irr::scene::ISceneManager* scene = graphics.sceneManager;
    listener = scene->getActiveCamera();

    CIrrKlangSceneNodeFactory* factory = new CIrrKlangSceneNodeFactory(engine, scene);
    scene->registerSceneNodeFactory(factory);
    factory->drop();

    nextStepNegative = true;
    if (listener)
        lastStepPosition = listener->getAbsolutePosition();
    else
        std::printf("Sound: no active camera to listen from; the listener stays put and "
                    "footsteps are not played\n");

    std::copy(FOOTSTEP_FILE_NAMES, FOOTSTEP_FILE_NAMES + FOOTSTEP_FILES, footstepFiles);
    if (engine) {
        for (const char* file : footstepFiles)
            preload(engine, file);
        preload(engine, IMPACT_FILE);
        preload(engine, LIGHT_IMPACT_FILE);
    }

    std::srand(graphics.timer->getRealTime());
    return true;
}

bool SoundSystem::updateListener() {
    if (!listener)
        return false;
    // The camera was placed this frame; its absolute position is refreshed only when drawn.
    listener->updateAbsolutePosition();
    vector3df position = listener->getAbsolutePosition();
    vector3df look = listener->getTarget() - position;
    if (engine)
        engine->setListenerPosition(position, look, vsound::vec3df(0, 0, 0),
                                    listener->getUpVector());
    if (space)
        space->update(PhysicsSystem::instance().scene, position,
                      float(GraphicsSystem::instance().frameTime) / 1000.0f);
    return true;
}

bool SoundSystem::playSoundWithWave(const vector3df& colour, const vector3df& position,
                                    const char* file, float maxRadius, float trail,
                                    float waveSpeed, float maxIntensity, float startingRadius) {
    WaveManager::instance().addPulse(position, maxRadius, trail, waveSpeed, maxIntensity,
                                     startingRadius, colour);
    if (engine)
        engine->play3D(file, position, false, false, false, vsound::ESM_AUTO_DETECT, false);
    return true;
}

bool SoundSystem::playImpactSound(const vector3df& position, bool heavy) {
    return playSoundWithWave(IMPACT.colour, position, heavy ? IMPACT_FILE : LIGHT_IMPACT_FILE,
                             IMPACT.maxRadius, IMPACT.trail, IMPACT.waveSpeed,
                             IMPACT.maxIntensity, IMPACT.startingRadius);
}

bool SoundSystem::playEventSound(const vector3df& position, const char* file) {
    // Started paused, so a file the engine refuses shows no pulse either.
    vsound::ISound* sound = nullptr;
    if (engine) {
        sound = engine->play3D(file, position, false, true, false, vsound::ESM_AUTO_DETECT, false);
        if (!sound)
            return false;
    }
    WaveManager::instance().addPulse(position, EVENT.maxRadius, EVENT.trail, EVENT.waveSpeed,
                                     EVENT.maxIntensity, EVENT.startingRadius, EVENT.colour);
    if (sound) {
        sound->setMinDistance(EVENT_MIN_DISTANCE);
        sound->setIsPaused(false);
        sound->drop();
    }
    return true;
}

bool SoundSystem::playFootstep(const vector3df& direction, bool force, bool bothFeet) {
    if (!listener)
        return false;
    vector3df ear = listener->getAbsolutePosition();
    if (!force && lastStepPosition.getDistanceFrom(ear) <= STEP_SPACING)
        return true;
    // Spacing is measured between listener positions, never between the offset steps.
    lastStepPosition = ear;
    float side = nextStepNegative ? -STEP_SIDE : STEP_SIDE;
    nextStepNegative = !nextStepNegative;

    vector3df step = ear + direction * side;
    step.Y -= STEP_DROP;
    playSoundWithWave(FOOTSTEP.colour, step, randomFootstepFile(), FOOTSTEP.maxRadius,
                      FOOTSTEP.trail, FOOTSTEP.waveSpeed, FOOTSTEP.maxIntensity,
                      FOOTSTEP.startingRadius);
    if (bothFeet) {
        vector3df otherStep = step - direction * (2.0f * side);
        playSoundWithWave(FOOTSTEP.colour, otherStep, randomFootstepFile(), FOOTSTEP.maxRadius,
                          FOOTSTEP.trail, FOOTSTEP.waveSpeed, FOOTSTEP.maxIntensity,
                          FOOTSTEP.startingRadius);
    }
    return true;
}

const char* SoundSystem::randomFootstepFile() const {
    return footstepFiles[std::rand() % FOOTSTEP_FILES];
}

vector3df nearestPointOf(const irr::core::aabbox3df& box, const vector3df& ear) {
    return vector3df(irr::core::clamp(ear.X, box.MinEdge.X, box.MaxEdge.X),
                     irr::core::clamp(ear.Y, box.MinEdge.Y, box.MaxEdge.Y),
                     irr::core::clamp(ear.Z, box.MinEdge.Z, box.MaxEdge.Z));
}
