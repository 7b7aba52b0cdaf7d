#include "PlayerStartCheck.h"

#include "world/GameObject.h"

#include <vector>

using namespace irr;

namespace {

const float REACH = 1000.0f;     // how far up the ray looks for a ceiling
const float TOUCHING = 0.95f;    // a capsule resting on a floor touches it; only cuts count
const int SAMPLES = 9;           // points along the capsule's straight part

// Every triangle of the node's mesh, in world space.
std::vector<core::triangle3df> trianglesOf(scene::ISceneNode& node) {
    std::vector<core::triangle3df> out;
    scene::IMesh* mesh = static_cast<scene::IMeshSceneNode&>(node).getMesh();
    if (!mesh) return out;
    node.updateAbsolutePosition();
    scene::ITriangleSelector* selector = node.getSceneManager()->createTriangleSelector(mesh, &node);
    out.resize(size_t(selector->getTriangleCount()));
    s32 count = 0;
    selector->getTriangles(out.data(), s32(out.size()), count);
    out.resize(size_t(count));
    selector->drop();
    return out;
}

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

// Inside a closed solid, the nearest surface straight above shows its back (its normal, which
// points out of the front face, points up).
std::string solidAround(const std::list<GameObject*>& objects, const core::vector3df& centre,
                        float half, float radius) {
    const core::line3df up(centre, centre + core::vector3df(0, REACH, 0));
    float nearest = REACH;
    std::string nearestName;
    bool nearestBack = false;
    for (const GameObject* object : objects) {
        if (!object->actor || object->node->getType() != scene::ESNT_MESH) continue;
        const char* name = object->node->getName();
        if (name[0] == '2') continue;
        for (const core::triangle3df& t : trianglesOf(*object->node)) {
            if (cuts(t, centre, half, radius)) return name;
            core::vector3df hit;
            if (!t.getIntersectionWithLimitedLine(up, hit) || hit.Y - centre.Y >= nearest) continue;
            nearest = hit.Y - centre.Y;
            nearestName = name;
            nearestBack = t.getNormal().Y > 0;
        }
    }
    return nearestBack ? nearestName : std::string();
}
