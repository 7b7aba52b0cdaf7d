// Ray queries over the Bullet world: every crossed surface is passed on as it is found.
#include "SceneImpl.h"

#include "ActorImpl.h"
#include "CollisionFilter.h"
#include "Convert.h"

namespace vphysx {

namespace {

struct ReportingCallback : btCollisionWorld::RayResultCallback {
    ReportingCallback(const NxRay& ray, NxReal length, NxUserRaycastReport& report, NxShapesType type)
        : ray(ray), length(length), report(report), type(type)
    {
        m_collisionFilterGroup = FILTER_QUERY;
        m_collisionFilterMask = FILTER_DYNAMIC | FILTER_STATIC | FILTER_KINEMATIC;
    }

    static const ActorImpl& actorOf(const btCollisionObject& object)
    {
        return *static_cast<const ActorImpl*>(object.getUserPointer());
    }

    bool needsCollision(btBroadphaseProxy* proxy) const override
    {
        if (!RayResultCallback::needsCollision(proxy)) return false;
        const ActorImpl& actor = actorOf(*static_cast<const btCollisionObject*>(proxy->m_clientObject));
        return (type & (actor.isDynamic() ? NX_DYNAMIC_SHAPES : NX_STATIC_SHAPES)) != 0;
    }

    btScalar addSingleResult(btCollisionWorld::LocalRayResult& result, bool normalInWorldSpace) override
    {
        const btCollisionObject& object = *result.m_collisionObject;
        btVector3 normal = result.m_hitNormalLocal;
        if (!normalInWorldSpace) normal = object.getWorldTransform().getBasis() * normal;
        NxRaycastHit hit;
        hit.shape = actorOf(object).getShapes()[0];
        hit.distance = NxReal(result.m_hitFraction) * length;
        hit.worldImpact = ray.orig + ray.dir * hit.distance;
        hit.worldNormal = toNx(normal.normalized());
        ++count;
        // Bullet then skips everything farther than the fraction returned: 0 ends the query.
        if (!report.onHit(hit)) m_closestHitFraction = 0;
        return m_closestHitFraction;
    }

    const NxRay& ray;
    NxReal length;
    NxUserRaycastReport& report;
    NxShapesType type;
    NxU32 count = 0;
};

}  // namespace

NxU32 SceneImpl::raycastAllShapes(const NxRay& worldRay, NxUserRaycastReport& report, NxShapesType shapeType,
                                  NxReal maxDist) const
{
    // Bullet works on a segment: a ray without end is cut where the world surely ends.
    const NxReal length = maxDist < NxReal(1e6) ? maxDist : NxReal(1e6);
    if (!(length > 0)) return 0;
    const btVector3 from = toBullet(worldRay.orig);
    const btVector3 to = toBullet(worldRay.orig + worldRay.dir * length);
    ReportingCallback callback(worldRay, length, report, shapeType);
    dynamicsWorld->rayTest(from, to, callback);
    return callback.count;
}

}  // namespace vphysx
