#include "ContactFriction.h"

#include <BulletDynamics/Dynamics/btRigidBody.h>

#include "ActorImpl.h"

namespace vphysx {

namespace {

btVector3 velocityAt(const btCollisionObject& object, const btVector3& point)
{
    const btRigidBody* body = btRigidBody::upcast(&object);
    if (!body) return btVector3(0, 0, 0);
    return body->getVelocityInLocalPoint(point - body->getCenterOfMassPosition());
}

}  // namespace

void chooseFriction(btManifoldPoint& point, const btCollisionObject& first, const btCollisionObject& second)
{
    const btVector3& where = point.getPositionWorldOnB();
    btVector3 relative = velocityAt(first, where) - velocityAt(second, where);
    btVector3 tangential = relative - point.m_normalWorldOnB * relative.dot(point.m_normalWorldOnB);
    if (tangential.length2() >= SLIDING_SPEED * SLIDING_SPEED) return;
    const ActorImpl& a = *static_cast<const ActorImpl*>(first.getUserPointer());
    const ActorImpl& b = *static_cast<const ActorImpl*>(second.getUserPointer());
    point.m_combinedFriction = (a.restingFriction() + b.restingFriction()) / 2;
}

}  // namespace vphysx
