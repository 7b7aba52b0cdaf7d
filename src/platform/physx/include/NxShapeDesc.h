#pragma once
// Shape descriptors: one shape per actor, placed by localPose in the actor's frame.

#include "NxFlags.h"
#include "NxMat34.h"

namespace vphysx {

class NxTriangleMesh;
class NxConvexMesh;

class NxShapeDesc {
public:
    NxMat34 localPose;
    NxU32 shapeFlags = 0;   // NxTriggerFlag bits make the shape a trigger volume
    NxCollisionGroup group = 0;
    NxReal skinWidth = -1;  // collision margin; negative takes the SDK's NX_SKIN_WIDTH

    virtual ~NxShapeDesc() {}
    NxShapeType getType() const { return type; }
    virtual bool isValid() const { return localPose.M.isFinite() && localPose.t.isFinite() && group < 32; }

protected:
    explicit NxShapeDesc(NxShapeType shapeType) : type(shapeType) {}

private:
    NxShapeType type;
};

class NxBoxShapeDesc : public NxShapeDesc {
public:
    NxVec3 dimensions;  // half extents

    NxBoxShapeDesc() : NxShapeDesc(NX_SHAPE_BOX) {}
    bool isValid() const override
    {
        return NxShapeDesc::isValid() && dimensions.isFinite() && dimensions.x > 0 && dimensions.y > 0 &&
               dimensions.z > 0;
    }
};

// Capsule along the local y axis; height is the distance between the end spheres' centres.
class NxCapsuleShapeDesc : public NxShapeDesc {
public:
    NxReal radius = 1;
    NxReal height = 1;

    NxCapsuleShapeDesc() : NxShapeDesc(NX_SHAPE_CAPSULE) {}
    bool isValid() const override { return NxShapeDesc::isValid() && radius > 0 && height >= 0; }
};

class NxConvexShapeDesc : public NxShapeDesc {
public:
    NxConvexMesh* meshData = nullptr;

    NxConvexShapeDesc() : NxShapeDesc(NX_SHAPE_CONVEX) {}
    bool isValid() const override { return NxShapeDesc::isValid() && meshData; }
};

class NxTriangleMeshShapeDesc : public NxShapeDesc {
public:
    NxTriangleMesh* meshData = nullptr;

    NxTriangleMeshShapeDesc() : NxShapeDesc(NX_SHAPE_MESH) {}
    bool isValid() const override { return NxShapeDesc::isValid() && meshData; }
};

}  // namespace vphysx
