#pragma once
// An actor's one shape: the Bullet collision shape and what the interface reports of it.

#include <BulletCollision/CollisionShapes/btCollisionShape.h>

#include <memory>

#include "NxShape.h"

namespace vphysx {

class ShapeImpl : public NxShape {
public:
    // owned is none when the collision shape belongs to a mesh that several actors share.
    ShapeImpl(NxActor& actor, NxShapeType type, NxCollisionGroup group, NxU32 flags,
              std::unique_ptr<btCollisionShape> owned, btCollisionShape* shape);
    ~ShapeImpl() override = default;

    NxActor& getActor() const override { return owner; }
    NxShapeType getType() const override { return type; }
    NxCollisionGroup getGroup() const override { return group; }
    bool getFlag(NxTriggerFlag flag) const override { return (flags & flag) != 0; }

    bool isTrigger() const { return (flags & NX_TRIGGER_ENABLE) != 0; }
    btCollisionShape* collisionShape() const { return shape; }

private:
    NxActor& owner;
    NxShapeType type;
    NxCollisionGroup group;
    NxU32 flags;
    std::unique_ptr<btCollisionShape> owned;
    btCollisionShape* shape;
};

}  // namespace vphysx
