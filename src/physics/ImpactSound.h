#pragma once
// Where hard contacts are heard: by default the sound system's impact sound (which also sends
// out its pulse). Tests put a listener of their own here.

#include <irrlicht.h>

#include <functional>

using ImpactSound = std::function<void(const irr::core::vector3df& position)>;

ImpactSound& impactSound();
