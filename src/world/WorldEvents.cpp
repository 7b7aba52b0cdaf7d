#include "world/WorldEvents.h"

#include "sound/SoundSystem.h"

void playFootstep(const irr::core::vector3df& side, bool force, bool bothFeet) {
    SoundSystem::instance().playFootstep(side, force, bothFeet);
}

void runScriptEvent(GameObject* object, const char* event) {}
