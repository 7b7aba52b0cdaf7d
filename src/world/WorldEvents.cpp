#include "world/WorldEvents.h"

#include "graphics/AimDot.h"
#include "scripting/ObjectScript.h"
#include "sound/SoundSystem.h"
#include "world/GameObject.h"

void playFootstep(const irr::core::vector3df& side, bool force, bool bothFeet) {
    SoundSystem::instance().playFootstep(side, force, bothFeet);
}

void playEmptyHandTap(const irr::core::vector3df& hand) {
    const irr::core::vector3df dullGrey(0.55f, 0.5f, 0.45f);
    SoundSystem::instance().playSoundWithWave(dullGrey, hand, "Content/sounds/fx/global/hand/empty_tap.wav",
                                              3.0f, 1.0f, 6.0f, 0.35f, 0.0f);
}

void showAimDot(bool shown) { Graphics::AimDot::instance().shown = shown; }

void runScriptEvent(GameObject* object, const char* event) { callObjectEvent(*object, event); }
