#pragma once
// The sound system owns the 3-D sound engine, keeps the listener on the active camera and plays
// the game's one-shot effects: footsteps, impacts and the level's events (scripts' sounds). Every effect first sends out a free pulse
// at its position (that is how the player, who cannot see, perceives it) and then plays its
// file there, fire-and-forget. The level's emitter nodes play their own sounds through the
// same engine; their factory is registered here, before the level file is read.
//
// What the space does to sound (walls muffle, rooms ring, the cane's tap echoes) is SpaceSound's,
// updated with the listener; it exists only when the device has the effects it needs.
//
// Without an audio device the engine is null: effects still send their pulses, and emitters
// still carry their waves, but nothing is heard.

#include <irrlicht.h>

#include "sound3d/vsound.h"

class SpaceSound;

class SoundSystem {
public:
    static const int FOOTSTEP_FILES = 7;

    // Creates the system and runs init on the first call; destroyed at process exit.
    static SoundSystem& instance();

    // Test seam: init takes this engine (grabbing a reference; null means no audio device)
    // instead of opening the system's audio device. Stays in force for every later init.
    static void useEngine(vsound::ISoundEngine* engine);

    // The game uses instance(); tests make systems of their own and init them once.
    SoundSystem();
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    // Opens the engine, takes the active camera as listener, registers the emitter factory,
    // preloads the effect files and seeds rand(). Always true.
    bool init();
    // Once per frame: moves the engine's listener to the camera. False without a listener.
    bool updateListener();
    // Adds a free pulse, then plays `file` at `position`, fire-and-forget. Always true.
    bool playSoundWithWave(const irr::core::vector3df& colour,
                           const irr::core::vector3df& position, const char* file,
                           float maxRadius, float trail, float waveSpeed, float maxIntensity,
                           float startingRadius);
    // Where objects strike each other: a thud when heavy, else a lighter knock. Always true.
    bool playImpactSound(const irr::core::vector3df& position, bool heavy = true);
    // A level event's sound (a script's): its pulse at `position`, then `file` played there.
    // False, and neither played, when the engine cannot play the file (it says why, once).
    bool playEventSound(const irr::core::vector3df& position, const char* file);
    // direction: the player's unit side vector (pointing left). Unless forced, a step sounds
    // only once the listener has walked more than 3.5 units since the last one; steps
    // alternate 0.75 to either side, 4 units below the listener. bothFeet adds the other foot.
    // False, and nothing played, without a listener.
    bool playFootstep(const irr::core::vector3df& direction, bool force, bool bothFeet);
    // One of footstepFiles, by rand().
    const char* randomFootstepFile() const;

    // The engine the level's emitter nodes share; null when the game runs silent.
    vsound::ISoundEngine* getEngine() const { return engine; }
    // Muffling, room reverb and cane echoes; null without an engine that has the effects.
    SpaceSound* getSpace() const { return space; }

    vsound::ISoundEngine* engine;              // one reference held; null: silent
    SpaceSound* space;                         // owned; needs the engine
    irr::scene::ICameraSceneNode* listener;    // the scene's camera, not held
    const char* footstepFiles[FOOTSTEP_FILES];
    bool nextStepNegative;                     // next step at -0.75 along the direction
    irr::core::vector3df lastStepPosition;     // listener position at the last step played
};

// The point of the box nearest the ear: where a sound an object makes is heard from, on its side
// facing the listener (from inside the object, the object itself would muffle it).
irr::core::vector3df nearestPointOf(const irr::core::aabbox3df& box, const irr::core::vector3df& ear);
