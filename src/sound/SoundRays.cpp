#include "sound/SoundRays.h"

#include <NxPhysics.h>

#include <algorithm>

#include "world/Carrying.h"

using irr::core::vector3df;
using namespace vphysx;

namespace {

bool stopsSound(const NxShape& shape) {
    const NxActor& actor = shape.getActor();
    return !actor.isDynamic() || actor.getMass() > MAX_CARRY_MASS;
}

struct FirstStop : NxUserRaycastReport {
    bool found = false;
    bool onHit(const NxRaycastHit& hit) override {
        found = stopsSound(*hit.shape);
        return !found;
    }
};

struct NearestStop : NxUserRaycastReport {
    explicit NearestStop(float range) : nearest(range) {}
    float nearest;
    bool onHit(const NxRaycastHit& hit) override {
        if (stopsSound(*hit.shape))
            nearest = std::min(nearest, hit.distance);
        return true;
    }
};

NxVec3 toNx(const vector3df& v) { return NxVec3(v.X, v.Y, v.Z); }

}  // namespace

bool SoundRays::blocked(const vector3df& from, const vector3df& to) const {
    vector3df way = to - from;
    const float length = way.getLength();
    if (!scene || length <= 0.0f)
        return false;
    FirstStop report;
    scene->raycastAllShapes(NxRay(toNx(from), toNx(way / length)), report, NX_ALL_SHAPES, length);
    return report.found;
}

float SoundRays::reach(const vector3df& from, const vector3df& direction, float range) const {
    if (!scene)
        return range;
    NearestStop report(range);
    scene->raycastAllShapes(NxRay(toNx(from), toNx(direction)), report, NX_ALL_SHAPES, range);
    return report.nearest;
}
