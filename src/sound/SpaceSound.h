#pragma once
// What the space does to what the player hears: walls muffle the sources behind them, the room
// around the listener rings, and the cane's tap comes back from what lies ahead. Exists only
// when the audio device has the effects these need.

#include <irrlicht.h>

#include "sound/Occlusion.h"
#include "sound/RoomReverb.h"
#include "sound/SoundRays.h"
#include "sound3d/IAcoustics.h"

namespace vphysx { class NxScene; }

class SpaceSound {
public:
    explicit SpaceSound(vsound::IAcoustics& acoustics);
    SpaceSound(const SpaceSound&) = delete;
    SpaceSound& operator=(const SpaceSound&) = delete;

    // Once per frame, after the listener was placed, `seconds` after the last. Without a scene
    // nothing stops sound and every space sounds open.
    void update(vphysx::NxScene* scene, const irr::core::vector3df& listener, float seconds);
    void playCaneEchoes(const char* tapFile, const irr::core::vector3df& ear,
                        const irr::core::vector3df& ahead);

private:
    vsound::IAcoustics& acoustics;
    SoundRays rays;  // before its users
    Occlusion occlusion;
    RoomReverb reverb;
};
