#pragma once
// Actor and body descriptors. An actor without a body is static.

#include <vector>

#include "NxShapeDesc.h"

namespace vphysx {

class NxBodyDesc {
public:
    NxReal mass = 0;  // 0: derived from the actor's density and the shape's volume
    NxVec3 linearVelocity;
    NxVec3 angularVelocity;
    NxReal linearDamping = 0;
    NxReal angularDamping = 0.05f;
    NxU32 flags = 0;  // NxBodyFlag bits

    bool isValid() const
    {
        return mass >= 0 && linearVelocity.isFinite() && angularVelocity.isFinite() && linearDamping >= 0 &&
               angularDamping >= 0;
    }
};

class NxActorDesc {
public:
    NxMat34 globalPose;
    const NxBodyDesc* body = nullptr;
    NxReal density = 0;                // mass per unit volume, for bodies without a mass
    std::vector<NxShapeDesc*> shapes;  // exactly one
    void* userData = nullptr;

    bool isValid() const
    {
        if (shapes.size() != 1 || !shapes[0] || !shapes[0]->isValid()) return false;
        if (!globalPose.M.isFinite() || !globalPose.t.isFinite()) return false;
        if (!body) return true;
        if (!body->isValid() || shapes[0]->getType() == NX_SHAPE_MESH) return false;
        return body->mass > 0 || density > 0;
    }
};

}  // namespace vphysx
