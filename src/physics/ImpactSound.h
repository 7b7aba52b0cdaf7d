#pragma once
// Where hard contacts are heard: by default the sound system's impact sound (which also sends
// out its pulse), a light knock or a heavy thud by the mass of the heavier body that struck.
// Tests put a listener of their own here.

#include <irrlicht.h>

#include <functional>

// mass: of the heavier moving body of the two, in the physics layer's mass units (0: none moves).
using ImpactSound = std::function<void(const irr::core::vector3df& position, float mass)>;

ImpactSound& impactSound();
