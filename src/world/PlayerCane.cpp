// The cane: a tap on the floor just ahead sends a fast, cold-white pulse that outruns walking,
// so a player who cannot see finds what lies ahead before walking into it. From the middle of the
// shipped hall (90 x 90) it reaches the walls in about 0.6 s, with light enough left (a pulse
// fades as it grows) to show them clearly.
#include "world/Player.h"

#include "sound/SoundSystem.h"
#include "sound/SpaceSound.h"

#include <NxController.h>

#include <algorithm>

using irr::core::vector3df;

namespace {

const char* const TAP_FILE = "Content/sounds/fx/global/cane/tap.wav";
const vector3df TAP_COLOUR(0.85f, 0.95f, 1.0f);
const float TAP_RADIUS = 80.0f;
const float TAP_SPEED = 80.0f;   // nearly seven times the walking speed
const float TAP_TRAIL = 12.0f;
const float TAP_REACH = 2.5f;    // from the capsule's axis to the cane's tip, along the floor

}  // namespace

bool Player::tapCane(bool wanted, irr::s32 frameMs) {
    caneRestMs = std::min(CANE_REST_MS, caneRestMs + std::max(frameMs, 0));
    if (!wanted || caneRestMs < CANE_REST_MS || !controller) return false;
    caneRestMs = 0;
    vector3df ahead(forward.X, 0, forward.Z);
    ahead.normalize();
    const vphysx::NxExtendedVec3& c = controller->getPosition();
    const vector3df feet(float(c.x), float(c.y) - height / 2 - radius, float(c.z));
    SoundSystem::instance().playSoundWithWave(TAP_COLOUR, feet + ahead * TAP_REACH, TAP_FILE,
                                              TAP_RADIUS, TAP_TRAIL, TAP_SPEED, 1.0f, 0.0f);
    if (SpaceSound* space = SoundSystem::instance().getSpace())
        space->playCaneEchoes(TAP_FILE, vector3df(float(c.x), float(c.y) + height, float(c.z)), ahead);
    return true;
}
