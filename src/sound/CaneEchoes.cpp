#include "sound/CaneEchoes.h"

#include <cmath>

using irr::core::vector3df;

namespace {

const float ECHO_GAIN = 0.7f;  // of a surface straight ahead, falling off to the fan's edges
// Each echo sounds this far in front of its surface, so the surface does not muffle it.
const float ECHO_STANDOFF = 1.0f;

}  // namespace

void playCaneEchoes(vsound::IAcoustics& acoustics, const SoundRays& rays, const char* tapFile,
                    const vector3df& ear, const vector3df& ahead) {
    vector3df forward(ahead.X, 0.0f, ahead.Z);
    if (forward.getLengthSQ() < 1e-12f)
        return;
    forward.normalize();
    for (int i = 0; i < ECHO_FAN_RAYS; ++i) {
        const float degrees =
            ECHO_FAN_DEGREES * (2.0f * float(i) / float(ECHO_FAN_RAYS - 1) - 1.0f);
        const float angle = degrees * irr::core::DEGTORAD;
        // Positive angles turn right, as the player's yaw does.
        const vector3df direction(forward.X * std::cos(angle) + forward.Z * std::sin(angle), 0.0f,
                                  forward.Z * std::cos(angle) - forward.X * std::sin(angle));
        const float distance = rays.reach(ear, direction, ECHO_REACH);
        if (distance >= ECHO_REACH || distance <= ECHO_STANDOFF)
            continue;
        const float gain = ECHO_GAIN * std::cos(angle);
        acoustics.playDelayed(tapFile, ear + direction * (distance - ECHO_STANDOFF),
                              2.0f * distance / SPEED_OF_SOUND, gain);
    }
}
