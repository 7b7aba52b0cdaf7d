#pragma once
// The cane's tap comes back from what lies ahead: its sound goes out in a fan of directions
// around the way the player faces, and each surface met within ECHO_REACH answers with a
// quieter copy of the tap from where it was met (so that the ears place it), late by the round
// trip at SPEED_OF_SOUND: a wall 20 units ahead answers about 52 ms after the tap.

#include <irrlicht.h>

#include "sound/SoundRays.h"
#include "sound3d/IAcoustics.h"

const float ECHO_REACH = 40.0f;  // world units
const int ECHO_FAN_RAYS = 9;
const float ECHO_FAN_DEGREES = 60.0f;  // either side of straight ahead

// `ear`: the listener's position; `ahead`: the horizontal way the player faces.
void playCaneEchoes(vsound::IAcoustics& acoustics, const SoundRays& rays, const char* tapFile,
                    const irr::core::vector3df& ear, const irr::core::vector3df& ahead);
