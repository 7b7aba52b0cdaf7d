#include "ControllerSweep.h"

#include "ActorImpl.h"
#include "CapsuleControllerImpl.h"
#include "CollisionFilter.h"

namespace vphysx {

namespace {

const int SOLID = FILTER_DYNAMIC | FILTER_STATIC | FILTER_KINEMATIC;
// A hit whose normal is this close to perpendicular to the motion only grazes.
const btScalar GRAZING = btScalar(1e-3);

struct SweepCallback : btCollisionWorld::ClosestConvexResultCallback {
    SweepCallback(const ControllerSweep& sweep, const btVector3& from, const btVector3& to)
        : ClosestConvexResultCallback(from, to), owner(sweep), direction((to - from).normalized())
    {
        m_collisionFilterGroup = FILTER_QUERY;
        m_collisionFilterMask = SOLID;
    }

    bool needsCollision(btBroadphaseProxy* proxy) const override
    {
        return ClosestConvexResultCallback::needsCollision(proxy) &&
               owner.mayHit(*static_cast<const btCollisionObject*>(proxy->m_clientObject));
    }

    btScalar addSingleResult(btCollisionWorld::LocalConvexResult& result, bool normalInWorldSpace) override
    {
        btVector3 normal = normalInWorldSpace
                               ? result.m_hitNormalLocal
                               : result.m_hitCollisionObject->getWorldTransform().getBasis() * result.m_hitNormalLocal;
        if (normal.dot(direction) > -GRAZING) return m_closestHitFraction;
        return ClosestConvexResultCallback::addSingleResult(result, normalInWorldSpace);
    }

    const ControllerSweep& owner;
    btVector3 direction;
};

struct RayCallback : btCollisionWorld::ClosestRayResultCallback {
    RayCallback(const ControllerSweep& sweep, const btVector3& from, const btVector3& to)
        : ClosestRayResultCallback(from, to), owner(sweep)
    {
        m_collisionFilterGroup = FILTER_QUERY;
        m_collisionFilterMask = SOLID;
    }

    bool needsCollision(btBroadphaseProxy* proxy) const override
    {
        return ClosestRayResultCallback::needsCollision(proxy) &&
               owner.mayHit(*static_cast<const btCollisionObject*>(proxy->m_clientObject));
    }

    const ControllerSweep& owner;
};

}  // namespace

bool ControllerSweep::mayHit(const btCollisionObject& object) const
{
    if (&object == &self) return false;
    const ActorImpl& actor = *static_cast<const ActorImpl*>(object.getUserPointer());
    // Other controllers block by their interaction flag, whatever the active groups.
    if (const auto* controller = static_cast<const CapsuleControllerImpl*>(actor.controller()))
        return !controller->letsOthersPass();
    return (groups & (1u << actor.shape().getGroup())) != 0;
}

SweepHit ControllerSweep::sweep(const btVector3& from, const btVector3& to) const
{
    SweepHit hit;
    if ((to - from).length2() == 0) return hit;
    SweepCallback callback(*this, from, to);
    btTransform start(btQuaternion::getIdentity(), from), end(btQuaternion::getIdentity(), to);
    world.convexSweepTest(&shape, start, end, callback);
    if (!callback.hasHit()) return hit;
    hit.blocked = true;
    hit.fraction = callback.m_closestHitFraction;
    hit.normal = callback.m_hitNormalWorld.normalized();
    hit.point = callback.m_hitPointWorld;
    hit.object = callback.m_hitCollisionObject;
    return hit;
}

bool ControllerSweep::surfaceBelow(const btVector3& from, btScalar distance, btVector3& normal) const
{
    btVector3 to = from - btVector3(0, distance, 0);
    RayCallback callback(*this, from, to);
    world.rayTest(from, to, callback);
    if (!callback.hasHit()) return false;
    normal = callback.m_hitNormalWorld.normalized();
    return true;
}

}  // namespace vphysx
