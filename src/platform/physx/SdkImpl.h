#pragma once
// The SDK object: parameters and the scenes and meshes it owns.

#include <memory>
#include <string>
#include <vector>

#include "NxPhysicsSDK.h"

namespace vphysx {

class ConvexMeshImpl;
class SceneImpl;
class TriangleMeshImpl;

class SdkImpl : public NxPhysicsSDK {
public:
    explicit SdkImpl(NxUserOutputStream* outputStream);
    ~SdkImpl() override;

    bool setParameter(NxParameter parameter, NxReal value) override;
    NxReal getParameter(NxParameter parameter) const override;
    NxScene* createScene(const NxSceneDesc& desc) override;
    void releaseScene(NxScene& scene) override;
    NxTriangleMesh* createTriangleMesh(const NxStream& stream) override;
    NxConvexMesh* createConvexMesh(const NxStream& stream) override;
    void release() override;

    bool visualising() const;
    // Reports a refused call as one line, "Physics SDK: <message>".
    void warn(const std::string& message) const;

private:
    NxUserOutputStream* output;
    NxReal parameters[NX_PARAMS_NUM_VALUES];
    // Meshes first: scenes, whose actors use them, are destroyed before them.
    std::vector<std::unique_ptr<TriangleMeshImpl>> triangleMeshes;
    std::vector<std::unique_ptr<ConvexMeshImpl>> convexMeshes;
    std::vector<std::unique_ptr<SceneImpl>> scenes;
};

}  // namespace vphysx
