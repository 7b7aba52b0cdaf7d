#pragma once
// Ray queries on what stops sound: the level's static geometry and whatever is too heavy for
// the player to carry (closed doors). Light objects, triggers and the player let sound through.
// Without a physics scene nothing stops sound.

#include <irrlicht.h>

namespace vphysx { class NxScene; }

// The world's scale for sound: the player is 4 units tall (about 1.8 m), so a unit is about
// 0.45 m and sound travels this many units a second.
const float SPEED_OF_SOUND = 760.0f;

class SoundRays {
public:
    explicit SoundRays(vphysx::NxScene* scene = nullptr) : scene(scene) {}

    // True when something stops sound on the way from `from` to `to`.
    bool blocked(const irr::core::vector3df& from, const irr::core::vector3df& to) const;
    // Distance along the unit `direction` to the nearest surface that stops sound; `range`
    // when there is none that near.
    float reach(const irr::core::vector3df& from, const irr::core::vector3df& direction,
                float range) const;

private:
    vphysx::NxScene* scene;
};
