#include "CapsuleControllerImpl.h"

#include <cmath>

#include "ActorImpl.h"
#include "Convert.h"
#include "SceneImpl.h"
#include "SdkImpl.h"

namespace vphysx {

CapsuleControllerImpl::CapsuleControllerImpl(SceneImpl& owner, const NxCapsuleControllerDesc& desc)
    : scene(owner), sweepShape(desc.radius, desc.height),
      settings{desc.radius, desc.height, desc.skinWidth, desc.stepOffset, desc.slopeLimit, 0},
      position(desc.position), callback(desc.callback), interaction(desc.interactionFlag), userData(desc.userData)
{
    NxCapsuleShapeDesc capsule;
    capsule.radius = desc.radius;
    capsule.height = desc.height;
    NxBodyDesc body;
    body.flags = NX_BF_KINEMATIC;
    NxActorDesc actorDesc;
    actorDesc.body = &body;
    actorDesc.density = 1;
    actorDesc.shapes.push_back(&capsule);
    actorDesc.userData = desc.userData;
    actor = static_cast<ActorImpl*>(scene.createActor(actorDesc));
    actor->setController(this);
    placeActor();
}

CapsuleControllerImpl::~CapsuleControllerImpl()
{
    scene.releaseActor(*actor);
}

NxActor* CapsuleControllerImpl::getActor() const
{
    return actor;
}

void CapsuleControllerImpl::placeActor()
{
    actor->teleport(btTransform(btQuaternion::getIdentity(), toBullet(position)));
}

bool CapsuleControllerImpl::setPosition(const NxExtendedVec3& newPosition)
{
    if (!newPosition.isFinite()) {
        scene.sdk().warn("controller setPosition given a non-finite position; the controller stays");
        return false;
    }
    position = newPosition;
    placeActor();
    return true;
}

void CapsuleControllerImpl::move(const NxVec3& displacement, NxU32 activeGroups, NxF32 minDistance,
                                 NxU32& collisionFlags, NxF32)
{
    collisionFlags = 0;
    if (!displacement.isFinite() || !std::isfinite(minDistance)) {
        scene.sdk().warn("controller move given a non-finite displacement; the controller stays");
        return;
    }
    ControllerSweep sweep(scene.world(), sweepShape, actor->body(), activeGroups);
    CapsuleSettings moveSettings = settings;
    moveSettings.minDistance = minDistance;
    MotionResult result = CapsuleMotion(sweep, moveSettings).move(toBullet(position), toBullet(displacement));
    position = toNxExtended(result.position);
    placeActor();
    collisionFlags = result.flags;
    report(result);
}

void CapsuleControllerImpl::report(const MotionResult& result) const
{
    if (!callback) return;
    for (const Touch& touch : result.touches) {
        const ActorImpl& other = *static_cast<const ActorImpl*>(touch.object->getUserPointer());
        if (other.controller()) {
            callback->onControllerHit(NxControllersHit{const_cast<CapsuleControllerImpl*>(this), other.controller()});
        } else {
            NxControllerShapeHit hit{const_cast<CapsuleControllerImpl*>(this), &other.shape(),
                                     toNxExtended(touch.point),   toNx(touch.normal),
                                     toNx(touch.direction),       NxF32(touch.length)};
            callback->onShapeHit(hit);
        }
    }
}

}  // namespace vphysx
