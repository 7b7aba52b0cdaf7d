#include "PlayerStartCheck.h"

#include "LevelGeometry.h"

#include "world/GameObject.h"

using namespace irr;

namespace {

const float TOUCHING = 0.95f;    // a capsule resting on a floor touches it; only cuts count
const int SAMPLES = 9;           // points along the capsule's straight part

// Irrlicht's closestPointOnTriangle looks at the edges only: a point over the middle of a big
// floor is far from every edge.
float distance(const core::triangle3df& t, const core::vector3df& p) {
    const float edges = t.closestPointOnTriangle(p).getDistanceFrom(p);
    if (t.getNormal().getLengthSQ() < 1e-12f) return edges;
    const core::plane3df plane = t.getPlane();
    const core::vector3df onPlane = p - plane.Normal * plane.getDistanceTo(p);
    return t.isPointInside(onPlane) ? p.getDistanceFrom(onPlane) : edges;
}

bool cuts(const core::triangle3df& t, const core::vector3df& centre, float half, float radius) {
    for (int i = 0; i < SAMPLES; ++i) {
        core::vector3df p = centre + core::vector3df(0, -half + 2 * half * i / (SAMPLES - 1), 0);
        if (distance(t, p) < radius * TOUCHING) return true;
    }
    return false;
}

}  // namespace

std::string solidAround(const LevelGeometry& level, const core::vector3df& centre, float half,
                        float radius) {
    for (const SolidTriangle& t : level.triangles())
        if (cuts(t.triangle, centre, half, radius)) return t.owner->node->getName();
    // A loose or kinematic object may stand across walls and ceilings: its box is what it fills.
    for (const SolidTriangle& t : level.triangles())
        if (t.owner->node->getName()[0] != '1' && t.owner->node->getTransformedBoundingBox().isPointInside(centre))
            return t.owner->node->getName();
    const GameObject* around = level.solidAround(centre, nullptr);
    return around ? around->node->getName() : std::string();
}
