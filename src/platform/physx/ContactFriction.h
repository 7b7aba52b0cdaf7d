#pragma once
// Static and dynamic friction over Bullet, which knows one coefficient per body: a contact
// point whose two surfaces barely slide past each other gets the bodies' resting (static)
// friction, averaged like the dynamic one; a sliding contact keeps the dynamic friction.

#include <BulletCollision/NarrowPhaseCollision/btManifoldPoint.h>

class btCollisionObject;

namespace vphysx {

// Tangential speed below which a contact counts as not sliding, in units/s. Gravity on a
// slope the static friction cannot hold passes it within two sub-steps.
const btScalar SLIDING_SPEED = btScalar(0.05);

void chooseFriction(btManifoldPoint& point, const btCollisionObject& first, const btCollisionObject& second);

}  // namespace vphysx
