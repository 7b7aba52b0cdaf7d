#include "physics/ContactReport.h"

#include <algorithm>
#include <cmath>

#include <NxActor.h>

#include "physics/ImpactSound.h"

using namespace vphysx;

namespace {

const float IMPACT_FORCE = 100.0f;  // either sum must exceed it

float length(const NxVec3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

float movingMass(const NxActor* actor) { return actor && actor->isDynamic() ? actor->getMass() : 0.0f; }

}  // namespace

namespace PhysX {

void ContactReport::onContactNotify(NxContactPair& pair, NxU32) {
    if (!(length(pair.sumNormalForce) > IMPACT_FORCE) && !(length(pair.sumFrictionForce) > IMPACT_FORCE))
        return;
    NxContactStreamIterator stream(pair.stream);
    if (!stream.goNextPair() || !stream.goNextPatch() || !stream.goNextPoint()) return;
    const NxVec3& point = stream.getPoint();
    const float mass = std::max(movingMass(pair.actors[0]), movingMass(pair.actors[1]));
    impactSound()(irr::core::vector3df(point.x, point.y, point.z), mass);
}

}  // namespace PhysX
