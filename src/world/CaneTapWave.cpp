#include "world/CaneTapWave.h"

#include "waves/WaveManager.h"

using irr::core::vector3df;

namespace {

const vector3df TAP_COLOUR(0.85f, 0.95f, 1.0f);
const float TAP_RADIUS = 80.0f;
const float TAP_SPEED = 80.0f;
// The front shows at about two thirds of full light (the shaders lift 0.25 to 0.68) and its wake
// at half that: the room reads, and still reads as lit by a sound in the dark.
const float TAP_INTENSITY = 0.25f;
const float TAP_FADE = 2.5f;  // seconds from the front's passing to dark

}  // namespace

void sendCaneTapWave(WaveManager& waves, const vector3df& tip) {
    waves.addLingeringPulse(tip, TAP_RADIUS, TAP_SPEED, TAP_FADE, TAP_INTENSITY, TAP_COLOUR);
}
