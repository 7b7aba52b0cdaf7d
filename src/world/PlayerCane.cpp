// The cane: a tap on the floor just ahead sends a wave that outruns walking (see CaneTapWave.h),
// so a player who cannot see finds what lies ahead before walking into it.
#include "world/Player.h"

#include "sound/SoundSystem.h"
#include "sound/SpaceSound.h"
#include "waves/WaveManager.h"
#include "world/CaneTapWave.h"

#include <NxController.h>

#include <algorithm>

using irr::core::vector3df;

namespace {

const char* const TAP_FILE = "Content/sounds/fx/global/cane/tap.wav";
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
    const vector3df tip = feet + ahead * TAP_REACH;
    sendCaneTapWave(WaveManager::instance(), tip);
    if (vsound::ISoundEngine* engine = SoundSystem::instance().getEngine())
        engine->play3D(TAP_FILE, tip, false, false, false, vsound::ESM_AUTO_DETECT, false);
    if (SpaceSound* space = SoundSystem::instance().getSpace())
        space->playCaneEchoes(TAP_FILE, vector3df(float(c.x), float(c.y) + height, float(c.z)), ahead);
    return true;
}
