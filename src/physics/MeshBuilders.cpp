#include <cmath>
#include <cstdio>
#include <string>

#include "level/ConsoleText.h"
#include "physics/MemoryReadBuffer.h"
#include "physics/MemoryWriteBuffer.h"
#include "physics/MeshGeometry.h"
#include "physics/PhysicsSystem.h"
#include "world/GameWorld.h"

using namespace irr;
using namespace vphysx;

namespace {

const float CONTACT_REPORT_THRESHOLD = 20.0f;

std::string nodeName(s32 id) {
    GameObject* object = GameWorld::instance().findObject(id);
    return object && object->node ? shownName(object->node->getName()) : std::string();
}

// One line for a mesh that cannot be used; false then.
bool usable(const MeshGeometry& geometry, s32 id) {
    switch (geometry.problem) {
    case MeshProblem::None:
        return true;
    case MeshProblem::WrongVertexFormat:
        std::printf("ERROR! Mesh Verts in wrong format!\n");
        break;
    case MeshProblem::TooManyVertices:
        std::printf("Physics: mesh buffer %u of \"%s\" has %u vertices, more than its 16-bit indices reach; "
                    "the object gets no actor\n",
                    geometry.buffer, nodeName(id).c_str(), geometry.vertexCount);
        break;
    case MeshProblem::BadIndex:
        std::printf("Physics: mesh buffer %u of \"%s\" has an index past its %u vertices; the object gets no actor\n",
                    geometry.buffer, nodeName(id).c_str(), geometry.vertexCount);
        break;
    case MeshProblem::NotFinite:
        std::printf("Physics: a vertex of \"%s\" is not a number within a million units; the object gets no actor\n",
                    nodeName(id).c_str());
        break;
    }
    return false;
}

bool finitePosition(const core::vector3df& position, s32 id) {
    if (inWorld(position.X) && inWorld(position.Y) && inWorld(position.Z)) return true;
    std::printf("Physics: \"%s\" is not within a million units of the origin; the object gets no actor\n",
                nodeName(id).c_str());
    return false;
}

}  // namespace

void PhysicsSystem::place(NxActor* actor, const core::vector3df& position, s32 id) {
    actor->setGlobalPosition(NxVec3(position.X, position.Y, position.Z));
    actor->setContactReportThreshold(CONTACT_REPORT_THRESHOLD);
    actor->userData = reinterpret_cast<void*>(static_cast<std::intptr_t>(id));
}

NxActor* PhysicsSystem::createStaticMeshActor(scene::IMesh* mesh, const core::vector3df& position,
                                              const core::vector3df& scale, s32 id) {
    return createTriangleMeshActor(mesh, position, scale, id, false);
}

NxActor* PhysicsSystem::createTriggerMeshActor(scene::IMesh* mesh, const core::vector3df& position,
                                               const core::vector3df& scale, s32 id) {
    return createTriangleMeshActor(mesh, position, scale, id, true);
}

NxActor* PhysicsSystem::createTriangleMeshActor(scene::IMesh* mesh, const core::vector3df& position,
                                                const core::vector3df& scale, s32 id, bool trigger) {
    if (!mesh || !scene || !cooking) return nullptr;
    MeshGeometry geometry = gatherMeshGeometry(mesh, scale, true);
    if (!usable(geometry, id) || !finitePosition(position, id)) return nullptr;

    NxTriangleMeshDesc meshDesc;
    meshDesc.numVertices = geometry.pointCount();
    meshDesc.numTriangles = static_cast<NxU32>(geometry.indices.size() / 3);
    meshDesc.pointStrideBytes = 12;
    meshDesc.triangleStrideBytes = 12;
    meshDesc.points = geometry.points.data();
    meshDesc.triangles = geometry.indices.data();
    meshDesc.flags = 0;
    MemoryWriteBuffer cooked;
    cooking->NxCookTriangleMesh(meshDesc, cooked);
    // Nothing cooked (no triangles, say) leaves no bytes to read: as if the mesh failed.
    NxTriangleMesh* triangleMesh = cooked.data ? sdk->createTriangleMesh(MemoryReadBuffer(cooked.data)) : nullptr;
    if (!triangleMesh) {
        if (!trigger) std::printf("PhysX Error: Failed to cook mesh!\n");
        std::printf("Physics: the mesh of %s \"%s\" %s; the object gets no actor\n",
                    trigger ? "trigger" : "static object", nodeName(id).c_str(),
                    meshDesc.numTriangles ? "could not be cooked into a triangle mesh" : "has no triangles");
        return nullptr;
    }

    NxTriangleMeshShapeDesc shape;
    shape.meshData = triangleMesh;
    if (trigger) shape.shapeFlags |= NX_TRIGGER_ENABLE;
    NxActorDesc actorDesc;
    actorDesc.shapes.push_back(&shape);
    NxActor* actor = scene->createActor(actorDesc);
    if (actor) place(actor, position, id);
    return actor;
}

NxActor* PhysicsSystem::createDynamicConvexActor(scene::IMesh* mesh, const core::vector3df& position,
                                                 const core::vector3df& scale, s32 id, float density) {
    if (!mesh || !scene || !cooking) return nullptr;
    MeshGeometry geometry = gatherMeshGeometry(mesh, scale, false);
    if (!usable(geometry, id) || !finitePosition(position, id)) return nullptr;

    NxConvexMeshDesc meshDesc;
    meshDesc.numVertices = geometry.pointCount();
    meshDesc.pointStrideBytes = 12;
    meshDesc.points = geometry.points.data();
    meshDesc.flags = NX_CF_COMPUTE_CONVEX;
    MemoryWriteBuffer cooked;
    if (!cooking->NxCookConvexMesh(meshDesc, cooked)) std::printf("MESH COOKING FAILED!!!\n");
    if (!cooked.data) {
        std::printf("Physics: the mesh of \"%s\" has no volume (flat, or fewer than four distinct points) "
                    "and cannot be a dynamic hull; the object gets no actor\n",
                    nodeName(id).c_str());
        return nullptr;
    }
    NxConvexMesh* convexMesh = sdk->createConvexMesh(MemoryReadBuffer(cooked.data));
    if (!convexMesh) {
        std::printf("Physics: the cooked hull of \"%s\" could not be read back; the object gets no actor\n",
                    nodeName(id).c_str());
        return nullptr;
    }

    NxConvexShapeDesc shape;
    shape.meshData = convexMesh;
    NxBodyDesc body;
    NxActorDesc actorDesc;
    actorDesc.body = &body;
    actorDesc.density = density;
    actorDesc.shapes.push_back(&shape);
    NxActor* actor = scene->createActor(actorDesc);
    if (!actor) return nullptr;
    place(actor, position, id);
    actor->setContactReportFlags(NX_NOTIFY_ON_START_TOUCH | NX_NOTIFY_FORCES);
    return actor;
}
