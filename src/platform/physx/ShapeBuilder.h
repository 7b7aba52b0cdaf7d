#pragma once
// Turns a shape descriptor into a Bullet collision shape placed in a body frame whose origin
// is the centre of mass and whose axes are the principal axes of inertia, so a body never
// needs a compound shape.

#include <BulletCollision/CollisionShapes/btCollisionShape.h>
#include <LinearMath/btTransform.h>

#include <memory>

#include "NxShapeDesc.h"

namespace vphysx {

struct BuiltShape {
    std::unique_ptr<btCollisionShape> owned;  // none for a shared mesh shape
    btCollisionShape* shape = nullptr;
    btTransform bodyInActor;                  // the body frame, in the actor's frame
    btScalar volume = 0;                      // 0 for triangle meshes
    btVector3 unitInertia{0, 0, 0};           // principal moments at unit density
};

// margin: the skin width the shape keeps; boxes and hulls keep their outer size.
BuiltShape buildShape(const NxShapeDesc& desc, btScalar margin);

}  // namespace vphysx
