#pragma once
// A small closed room for looking at waves: a 40 x 40 floor at y = 0 centred on the origin,
// walls 40 high on three sides and a 2-unit crate at (4, 1, 4), seen from a fixed camera. All
// materials are solid and unlit, so the built-in materials show the plain vertex colours.

#include <irrlicht.h>

namespace WaveRoom {

const irr::video::SColor FLOOR_COLOUR(255, 176, 168, 152);
const irr::video::SColor WALL_COLOUR(255, 120, 130, 150);
const irr::video::SColor CRATE_COLOUR(255, 200, 170, 90);

// Builds the room in the scene manager and makes its camera active.
void build(irr::scene::ISceneManager* scene);

// Window pixel at which a world point is seen, with (0, 0) the top-left corner.
irr::core::position2di project(irr::scene::ISceneManager* scene,
                               const irr::core::vector3df& point);

}  // namespace WaveRoom
