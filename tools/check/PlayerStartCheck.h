#pragma once
// Whether the player's capsule, where the level puts it, starts inside the level's solid meshes
// (every mesh object with an actor but the trigger volumes): it would be stuck or thrown out.

#include <irrlicht.h>

#include <string>

class LevelGeometry;

// centre: the capsule's centre; half: half its straight part. Empty when the capsule is clear,
// otherwise the name of a solid mesh node it is inside or cuts into.
std::string solidAround(const LevelGeometry& level, const irr::core::vector3df& centre, float half,
                        float radius);
