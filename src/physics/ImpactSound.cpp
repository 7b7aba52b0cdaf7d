#include "physics/ImpactSound.h"

#include "sound/SoundSystem.h"
#include "world/Carrying.h"

ImpactSound& impactSound() {
    // What the player cannot lift strikes with a thud; what they can, with a knock.
    static ImpactSound sound = [](const irr::core::vector3df& position, float mass) {
        SoundSystem::instance().playImpactSound(position, mass > MAX_CARRY_MASS);
    };
    return sound;
}
