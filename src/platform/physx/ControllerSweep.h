#pragma once
// Sweeps and rays for a character controller: they meet everything solid except the
// controller's own capsule, shapes outside its active groups and controllers that let
// others pass. A sweep ignores surfaces it grazes or leaves.

#include <BulletCollision/CollisionDispatch/btCollisionWorld.h>

#include "NxSimpleTypes.h"

namespace vphysx {

struct SweepHit {
    bool blocked = false;
    btScalar fraction = 1;  // of the motion, where the shapes meet
    btVector3 normal{0, 0, 0};
    btVector3 point{0, 0, 0};
    const btCollisionObject* object = nullptr;
};

class ControllerSweep {
public:
    ControllerSweep(const btCollisionWorld& world, const btConvexShape& shape, const btCollisionObject& self,
                    NxU32 activeGroups)
        : world(world), shape(shape), self(self), groups(activeGroups)
    {
    }

    SweepHit sweep(const btVector3& from, const btVector3& to) const;
    // Normal of the first surface straight below from, within distance; false if none.
    bool surfaceBelow(const btVector3& from, btScalar distance, btVector3& normal) const;
    bool mayHit(const btCollisionObject& object) const;

private:
    const btCollisionWorld& world;
    const btConvexShape& shape;
    const btCollisionObject& self;
    NxU32 groups;
};

}  // namespace vphysx
