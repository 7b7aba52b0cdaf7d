#include "SdkImpl.h"

#include <BulletCollision/CollisionDispatch/btInternalEdgeUtility.h>
#include <BulletCollision/CollisionDispatch/btManifoldResult.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "ContactFriction.h"
#include "ConvexMeshImpl.h"
#include "NxSceneDesc.h"
#include "NxUserOutputStream.h"
#include "SceneImpl.h"
#include "TriangleMeshImpl.h"

namespace vphysx {

namespace {

// Materials combine by averaging; Bullet would multiply.
btScalar averageFriction(const btCollisionObject* a, const btCollisionObject* b)
{
    return (a->getFriction() + b->getFriction()) / 2;
}

btScalar averageRestitution(const btCollisionObject* a, const btCollisionObject* b)
{
    return (a->getRestitution() + b->getRestitution()) / 2;
}

// Contacts with a triangle mesh near an edge shared by two triangles take the normal of the
// surface, not of the edge: otherwise sliding bodies bump on the seams of a flat floor.
// In convex-mesh pairs the mesh is always the second object; other pairs are left as they are.
// Then the point gets static or dynamic friction.
bool adjustContact(btManifoldPoint& point, const btCollisionObjectWrapper* first, int, int,
                   const btCollisionObjectWrapper* second, int part, int index)
{
    btAdjustInternalEdgeContacts(point, second, first, part, index);
    chooseFriction(point, *first->getCollisionObject(), *second->getCollisionObject());
    return false;
}

}  // namespace

NxPhysicsSDK* NxCreatePhysicsSDK(NxU32 sdkVersion, NxUserAllocator*, NxUserOutputStream* outputStream,
                                 const NxPhysicsSDKDesc&, NxSDKCreateError* errorCode)
{
    if (sdkVersion != NX_PHYSICS_SDK_VERSION) {
        if (errorCode) *errorCode = NXCE_WRONG_VERSION;
        return nullptr;
    }
    gCalculateCombinedFrictionCallback = averageFriction;
    gCalculateCombinedRestitutionCallback = averageRestitution;
    gContactAddedCallback = adjustContact;
    if (errorCode) *errorCode = NXCE_NO_ERROR;
    return new SdkImpl(outputStream);
}

SdkImpl::SdkImpl(NxUserOutputStream* outputStream) : output(outputStream)
{
    std::fill(parameters, parameters + NX_PARAMS_NUM_VALUES, NxReal(0));
    parameters[NX_SKIN_WIDTH] = 0.025f;
}

SdkImpl::~SdkImpl() = default;

bool SdkImpl::setParameter(NxParameter parameter, NxReal value)
{
    if (parameter < 0 || parameter >= NX_PARAMS_NUM_VALUES || !std::isfinite(value) || value < 0) {
        warn("setParameter given an unknown parameter or a negative or non-finite value; it is ignored");
        return false;
    }
    parameters[parameter] = value;
    return true;
}

NxReal SdkImpl::getParameter(NxParameter parameter) const
{
    if (parameter < 0 || parameter >= NX_PARAMS_NUM_VALUES) return 0;
    return parameters[parameter];
}

NxScene* SdkImpl::createScene(const NxSceneDesc& desc)
{
    if (!desc.isValid()) {
        warn("createScene given an invalid scene descriptor; no scene is made");
        return nullptr;
    }
    scenes.push_back(std::make_unique<SceneImpl>(*this, desc));
    return scenes.back().get();
}

void SdkImpl::releaseScene(NxScene& scene)
{
    scenes.erase(std::remove_if(scenes.begin(), scenes.end(), [&](const auto& s) { return s.get() == &scene; }),
                 scenes.end());
}

NxTriangleMesh* SdkImpl::createTriangleMesh(const NxStream& stream)
{
    std::unique_ptr<TriangleMeshImpl> mesh = TriangleMeshImpl::read(stream);
    if (!mesh) return nullptr;
    triangleMeshes.push_back(std::move(mesh));
    return triangleMeshes.back().get();
}

NxConvexMesh* SdkImpl::createConvexMesh(const NxStream& stream)
{
    std::unique_ptr<ConvexMeshImpl> mesh = ConvexMeshImpl::read(stream);
    if (!mesh) return nullptr;
    convexMeshes.push_back(std::move(mesh));
    return convexMeshes.back().get();
}

void SdkImpl::release()
{
    delete this;
}

bool SdkImpl::visualising() const
{
    return parameters[NX_VISUALIZATION_SCALE] > 0 && parameters[NX_VISUALIZE_COLLISION_SHAPES] > 0;
}

void SdkImpl::warn(const std::string& message) const
{
    std::string line = "Physics SDK: " + message;
    if (output)
        output->print(line.c_str());
    else
        std::printf("%s\n", line.c_str());
}

}  // namespace vphysx
