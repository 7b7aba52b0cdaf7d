#pragma once
// Volume, centre of mass and inertia of a closed convex polyhedron of unit density.

#include <LinearMath/btMatrix3x3.h>

#include <vector>

namespace vphysx {

struct HullMass {
    btScalar volume = 0;
    btVector3 centre{0, 0, 0};
    btMatrix3x3 inertia{btMatrix3x3::getIdentity()};  // about the centre, in the hull's axes
};

// faces: vertex index loops, all wound the same way.
HullMass computeHullMass(const std::vector<btVector3>& vertices, const std::vector<std::vector<int>>& faces);

}  // namespace vphysx
