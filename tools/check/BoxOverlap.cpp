#include "BoxOverlap.h"

#include <algorithm>
#include <cmath>

using namespace irr;

namespace {

// Whether the triangle's and the box's shadows on the axis are apart. Points are relative to
// the box's centre; half: the box's half size.
bool apart(const core::vector3df (&p)[3], const core::vector3df& half, const core::vector3df& axis) {
    const f32 a = p[0].dotProduct(axis), b = p[1].dotProduct(axis), c = p[2].dotProduct(axis);
    const f32 reach = half.X * std::fabs(axis.X) + half.Y * std::fabs(axis.Y) + half.Z * std::fabs(axis.Z);
    return std::min({a, b, c}) > reach || std::max({a, b, c}) < -reach;
}

}  // namespace

bool triangleCutsBox(const core::triangle3df& triangle, const core::aabbox3df& box) {
    const core::vector3df centre = box.getCenter();
    const core::vector3df half = box.getExtent() / 2;
    const core::vector3df p[3] = {triangle.pointA - centre, triangle.pointB - centre, triangle.pointC - centre};
    const core::vector3df edges[3] = {p[1] - p[0], p[2] - p[1], p[0] - p[2]};
    const core::vector3df boxAxes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (const core::vector3df& axis : boxAxes)
        if (apart(p, half, axis)) return false;
    if (apart(p, half, edges[0].crossProduct(edges[1]))) return false;
    for (const core::vector3df& edge : edges)
        for (const core::vector3df& axis : boxAxes)
            if (apart(p, half, edge.crossProduct(axis))) return false;
    return true;
}
