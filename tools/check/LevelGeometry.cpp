#include "LevelGeometry.h"

#include "world/GameObject.h"

using namespace irr;

namespace {

const float REACH = 1000.0f;  // how far up solidAround looks for a ceiling

}  // namespace

std::vector<core::triangle3df> trianglesOf(scene::ISceneNode& node) {
    std::vector<core::triangle3df> out;
    if (node.getType() != scene::ESNT_MESH) return out;
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

bool isSolid(const GameObject& object) {
    return object.actor && object.node->getType() == scene::ESNT_MESH && object.node->getName()[0] != '2';
}

LevelGeometry::LevelGeometry(const std::list<GameObject*>& objects) {
    for (const GameObject* object : objects) {
        if (!isSolid(*object)) continue;
        for (const core::triangle3df& t : trianglesOf(*object->node)) all.push_back({t, object});
    }
}

const SolidTriangle* LevelGeometry::firstHit(const core::line3df& segment, const GameObject* skip,
                                             core::vector3df* hit) const {
    const SolidTriangle* first = nullptr;
    f32 nearest = segment.getLengthSQ();
    for (const SolidTriangle& t : all) {
        core::vector3df at;
        if (t.owner == skip || !t.triangle.getIntersectionWithLimitedLine(segment, at)) continue;
        const f32 distance = at.getDistanceFromSQ(segment.start);
        if (distance > nearest) continue;
        nearest = distance;
        first = &t;
        *hit = at;
    }
    return first;
}

const GameObject* LevelGeometry::solidAround(const core::vector3df& point, const GameObject* skip) const {
    core::vector3df hit;
    const SolidTriangle* above = firstHit(core::line3df(point, point + core::vector3df(0, REACH, 0)), skip, &hit);
    return above && above->triangle.getNormal().Y > 0 ? above->owner : nullptr;
}
