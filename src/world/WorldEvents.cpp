#include "world/WorldEvents.h"

#include "scripting/ObjectScript.h"
#include "sound/SoundSystem.h"
#include "world/GameObject.h"

void playFootstep(const irr::core::vector3df& side, bool force, bool bothFeet) {
    SoundSystem::instance().playFootstep(side, force, bothFeet);
}

void runScriptEvent(GameObject* object, const char* event) { callObjectEvent(*object, event); }
