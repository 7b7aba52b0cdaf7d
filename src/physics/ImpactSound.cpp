#include "physics/ImpactSound.h"

#include "sound/SoundSystem.h"

ImpactSound& impactSound() {
    static ImpactSound sound = [](const irr::core::vector3df& position) {
        SoundSystem::instance().playImpactSound(position);
    };
    return sound;
}
