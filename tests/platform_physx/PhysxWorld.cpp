#include "PhysxWorld.h"

#include <cmath>

namespace vphysx_test {

PhysxWorld::PhysxWorld(bool withGround)
{
    sdk = NxCreatePhysicsSDK(NX_PHYSICS_SDK_VERSION, nullptr, &warnings);
    sdk->setParameter(NX_SKIN_WIDTH, 0.02f);
    NxSceneDesc sceneDesc;
    sceneDesc.gravity.set(0, -32, 0);
    scene = sdk->createScene(sceneDesc);
    cooking = NxGetCookingLib(NX_PHYSICS_SDK_VERSION);
    cooking->NxInitCooking();
    controllers = NxCreateControllerManager(nullptr);
    NxMaterial* material = scene->getMaterialFromIndex(0);
    material->setRestitution(0);
    material->setStaticFriction(0.5f);
    material->setDynamicFriction(0.4f);
    if (!withGround) return;
    NxBoxShapeDesc box;
    box.dimensions.set(900, 1, 900);
    box.localPose.t.set(0, -1, 0);
    NxActorDesc desc;
    desc.shapes.push_back(&box);
    ground = scene->createActor(desc);
}

PhysxWorld::~PhysxWorld()
{
    NxReleaseControllerManager(controllers);
    sdk->release();
}

void PhysxWorld::run(int frames)
{
    for (int i = 0; i < frames; ++i) {
        scene->simulate(1.0f / 60);
        scene->flushStream();
        scene->fetchResults(NX_RIGID_BODY_FINISHED, true);
    }
}

NxTriangleMeshDesc PhysxWorld::meshDesc(const std::vector<NxVec3>& points, const std::vector<NxU32>& indices)
{
    NxTriangleMeshDesc desc;
    desc.numVertices = NxU32(points.size());
    desc.numTriangles = NxU32(indices.size() / 3);
    desc.pointStrideBytes = sizeof(NxVec3);
    desc.triangleStrideBytes = 3 * sizeof(NxU32);
    desc.points = points.data();
    desc.triangles = indices.data();
    return desc;
}

NxConvexMeshDesc PhysxWorld::hullDesc(const std::vector<NxVec3>& cloud)
{
    NxConvexMeshDesc desc;
    desc.numVertices = NxU32(cloud.size());
    desc.pointStrideBytes = sizeof(NxVec3);
    desc.points = cloud.data();
    desc.flags = NX_CF_COMPUTE_CONVEX;
    return desc;
}

NxConvexMesh* PhysxWorld::hull(const std::vector<NxVec3>& cloud)
{
    ByteStream stream;
    if (!cooking->NxCookConvexMesh(hullDesc(cloud), stream)) return nullptr;
    return sdk->createConvexMesh(stream);
}

NxConvexMesh* PhysxWorld::boxHull(const NxVec3& h, const NxVec3& c)
{
    std::vector<NxVec3> corners;
    for (int i = 0; i < 8; ++i)
        corners.push_back(c + NxVec3(i & 1 ? h.x : -h.x, i & 2 ? h.y : -h.y, i & 4 ? h.z : -h.z));
    return hull(corners);
}

NxTriangleMesh* PhysxWorld::triangleMesh(const std::vector<NxVec3>& points, const std::vector<NxU32>& indices)
{
    ByteStream stream;
    if (!cooking->NxCookTriangleMesh(meshDesc(points, indices), stream)) return nullptr;
    return sdk->createTriangleMesh(stream);
}

NxTriangleMesh* PhysxWorld::boxMesh(const NxVec3& l, const NxVec3& h)
{
    std::vector<NxVec3> corners;
    for (int i = 0; i < 8; ++i) corners.emplace_back(i & 1 ? h.x : l.x, i & 2 ? h.y : l.y, i & 4 ? h.z : l.z);
    return triangleMesh(corners, {0, 2, 1, 1, 2, 3, 4, 5, 6, 5, 7, 6, 0, 1, 4, 1, 5, 4,
                                  2, 6, 3, 3, 6, 7, 0, 4, 2, 2, 4, 6, 1, 3, 5, 3, 7, 5});
}

NxActor* PhysxWorld::dynamicHull(NxConvexMesh* mesh, const NxVec3& position, NxReal density)
{
    NxConvexShapeDesc shape;
    shape.meshData = mesh;
    NxBodyDesc body;
    NxActorDesc desc;
    desc.body = &body;
    desc.density = density;
    desc.shapes.push_back(&shape);
    desc.globalPose.t = position;
    NxActor* actor = scene->createActor(desc);
    actor->setContactReportFlags(NX_NOTIFY_ON_START_TOUCH | NX_NOTIFY_FORCES);
    return actor;
}

NxActor* PhysxWorld::dynamicBox(const NxVec3& position, const NxVec3& halfExtents, NxReal density)
{
    return dynamicHull(boxHull(halfExtents), position, density);
}

NxActor* PhysxWorld::staticMesh(NxTriangleMesh* mesh, NxU32 shapeFlags)
{
    NxTriangleMeshShapeDesc shape;
    shape.meshData = mesh;
    shape.shapeFlags = shapeFlags;
    NxActorDesc desc;
    desc.shapes.push_back(&shape);
    return scene->createActor(desc);
}

NxActor* PhysxWorld::staticBox(const NxVec3& low, const NxVec3& high, NxU32 shapeFlags)
{
    return staticMesh(boxMesh(low, high), shapeFlags);
}

NxActor* PhysxWorld::ramp(NxReal x0, NxReal degrees, NxReal length)
{
    NxReal rise = length * std::tan(degrees * 3.14159265f / 180);
    std::vector<NxVec3> points{{x0, 0, -10}, {x0, 0, 10}, {x0 + length, rise, -10}, {x0 + length, rise, 10}};
    return staticMesh(triangleMesh(points, {0, 1, 2, 2, 1, 3}));
}

NxController* PhysxWorld::capsule(double x, double y, double z, NxUserControllerHitReport* callback)
{
    NxCapsuleControllerDesc desc;
    desc.position = NxExtendedVec3(x, y, z);
    desc.height = 2;
    desc.radius = 1;
    desc.skinWidth = 0.02f;
    desc.stepOffset = 1;
    desc.slopeLimit = std::cos(0.7853982f);
    desc.callback = callback;
    return controllers->createController(scene, desc);
}

}  // namespace vphysx_test
