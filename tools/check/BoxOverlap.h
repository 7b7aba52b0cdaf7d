#pragma once
// Whether a triangle cuts into a box, both in the same space: the separating-axis test over the
// box's three axes, the triangle's normal and the nine cross products of their edges.

#include <irrlicht.h>

bool triangleCutsBox(const irr::core::triangle3df& triangle, const irr::core::aabbox3df& box);
