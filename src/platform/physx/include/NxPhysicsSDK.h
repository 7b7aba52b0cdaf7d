#pragma once
// The SDK object: parameters, scenes and the meshes built from cooked streams.

#include "NxFlags.h"
#include "NxSimpleTypes.h"

namespace vphysx {

class NxConvexMesh;
class NxScene;
class NxSceneDesc;
class NxStream;
class NxTriangleMesh;
class NxUserAllocator;
class NxUserOutputStream;

// Hardware settings: the simulation runs in software, so there are none to choose.
class NxPhysicsSDKDesc {};

class NxPhysicsSDK {
public:
    virtual bool setParameter(NxParameter parameter, NxReal value) = 0;
    virtual NxReal getParameter(NxParameter parameter) const = 0;

    virtual NxScene* createScene(const NxSceneDesc& desc) = 0;  // none when desc is not valid
    virtual void releaseScene(NxScene& scene) = 0;

    // From bytes written by the cooking interface; none when the stream holds no such mesh.
    virtual NxTriangleMesh* createTriangleMesh(const NxStream& stream) = 0;
    virtual NxConvexMesh* createConvexMesh(const NxStream& stream) = 0;

    // Frees the SDK with every scene and mesh it still holds.
    virtual void release() = 0;

protected:
    virtual ~NxPhysicsSDK() {}
};

// None, with NXCE_WRONG_VERSION in errorCode, unless sdkVersion is NX_PHYSICS_SDK_VERSION.
NxPhysicsSDK* NxCreatePhysicsSDK(NxU32 sdkVersion, NxUserAllocator* allocator = nullptr,
                                 NxUserOutputStream* outputStream = nullptr,
                                 const NxPhysicsSDKDesc& desc = NxPhysicsSDKDesc(),
                                 NxSDKCreateError* errorCode = nullptr);

}  // namespace vphysx
