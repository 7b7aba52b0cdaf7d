#include "physics/ControllerHitReport.h"

#include <NxActor.h>
#include <NxShape.h>

using namespace vphysx;

namespace {

const float PUSH = 1.2f;  // velocity given per touching move, units/s

}  // namespace

namespace PhysX {

NxControllerAction ControllerHitReport::onShapeHit(const NxControllerShapeHit& hit) {
    if (!hit.shape) return NX_ACTION_NONE;
    NxActor& actor = hit.shape->getActor();
    if (!actor.isDynamic() || actor.readBodyFlag(NX_BF_KINEMATIC)) return NX_ACTION_NONE;
    // Gravity and jump moves are vertical and push nothing.
    if (hit.dir.y != 0.0f) return NX_ACTION_NONE;
    float impulse = actor.getMass() * PUSH;
    // At the height of the actor's origin, not of the contact.
    NxVec3 point(static_cast<float>(hit.worldPos.x), actor.getGlobalPosition().y,
                 static_cast<float>(hit.worldPos.z));
    actor.addForceAtPos(hit.dir * impulse, point, NX_IMPULSE, true);
    return NX_ACTION_NONE;
}

}  // namespace PhysX
