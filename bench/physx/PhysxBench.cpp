// Timings of the physics layer on real Bullet, printed as figures. Run by hand:
//   build/bench/physx/physx_bench

#include <NxControllerManager.h>
#include <NxCooking.h>
#include <NxPhysics.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

using namespace vphysx;

namespace {

class ByteStream : public NxStream {
public:
    NxU8 readByte() const override { NxU8 v; readBuffer(&v, 1); return v; }
    NxU16 readWord() const override { NxU16 v; readBuffer(&v, 2); return v; }
    NxU32 readDword() const override { NxU32 v; readBuffer(&v, 4); return v; }
    NxF32 readFloat() const override { NxF32 v; readBuffer(&v, 4); return v; }
    NxF64 readDouble() const override { NxF64 v; readBuffer(&v, 8); return v; }
    void readBuffer(void* buffer, NxU32 size) const override
    {
        std::memcpy(buffer, bytes.data() + position, size);
        position += size;
    }
    NxStream& storeByte(NxU8 b) override { return storeBuffer(&b, 1); }
    NxStream& storeWord(NxU16 w) override { return storeBuffer(&w, 2); }
    NxStream& storeDword(NxU32 d) override { return storeBuffer(&d, 4); }
    NxStream& storeFloat(NxF32 f) override { return storeBuffer(&f, 4); }
    NxStream& storeDouble(NxF64 f) override { return storeBuffer(&f, 8); }
    NxStream& storeBuffer(const void* buffer, NxU32 size) override
    {
        bytes.insert(bytes.end(), static_cast<const NxU8*>(buffer), static_cast<const NxU8*>(buffer) + size);
        return *this;
    }
    std::vector<NxU8> bytes;

private:
    mutable size_t position = 0;
};

typedef std::chrono::steady_clock Clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A 40 x 40 room: a floor of 50 x 50 quads and four walls of 10 x 10 quads, 5,800 triangles.
void roomMesh(std::vector<NxVec3>& points, std::vector<NxU32>& indices)
{
    auto grid = [&](NxVec3 origin, NxVec3 u, NxVec3 v, int n) {
        NxU32 base = NxU32(points.size());
        for (int i = 0; i <= n; ++i)
            for (int j = 0; j <= n; ++j) points.push_back(origin + u * (NxReal(i) / n) + v * (NxReal(j) / n));
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                NxU32 a = base + i * (n + 1) + j, b = a + n + 1;
                indices.insert(indices.end(), {a, a + 1, b, b, a + 1, b + 1});
            }
    };
    grid(NxVec3(-20, 0, -20), NxVec3(40, 0, 0), NxVec3(0, 0, 40), 50);
    grid(NxVec3(-20, 0, -20), NxVec3(40, 0, 0), NxVec3(0, 10, 0), 10);
    grid(NxVec3(-20, 0, 20), NxVec3(40, 0, 0), NxVec3(0, 10, 0), 10);
    grid(NxVec3(-20, 0, -20), NxVec3(0, 0, 40), NxVec3(0, 10, 0), 10);
    grid(NxVec3(20, 0, -20), NxVec3(0, 0, 40), NxVec3(0, 10, 0), 10);
}

NxTriangleMeshDesc meshDesc(const std::vector<NxVec3>& points, const std::vector<NxU32>& indices)
{
    NxTriangleMeshDesc desc;
    desc.numVertices = NxU32(points.size());
    desc.numTriangles = NxU32(indices.size() / 3);
    desc.pointStrideBytes = sizeof(NxVec3);
    desc.triangleStrideBytes = 12;
    desc.points = points.data();
    desc.triangles = indices.data();
    return desc;
}

struct Room {
    Room()
    {
        sdk = NxCreatePhysicsSDK(NX_PHYSICS_SDK_VERSION);
        sdk->setParameter(NX_SKIN_WIDTH, 0.02f);
        NxSceneDesc sceneDesc;
        sceneDesc.gravity.set(0, -32, 0);
        scene = sdk->createScene(sceneDesc);
        cooking = NxGetCookingLib(NX_PHYSICS_SDK_VERSION);
        cooking->NxInitCooking();
        std::vector<NxVec3> points;
        std::vector<NxU32> indices;
        roomMesh(points, indices);
        ByteStream stream;
        cooking->NxCookTriangleMesh(meshDesc(points, indices), stream);
        NxTriangleMeshShapeDesc shape;
        shape.meshData = sdk->createTriangleMesh(stream);
        NxActorDesc desc;
        desc.shapes.push_back(&shape);
        scene->createActor(desc);
    }
    ~Room() { sdk->release(); }

    // Hulls of 16 random points, about one unit across, in layers above the floor.
    void addHulls(int count)
    {
        std::mt19937 random(7);
        std::uniform_real_distribution<float> unit(-0.5f, 0.5f);
        int perRow = 18;
        for (int i = 0; i < count; ++i) {
            std::vector<NxVec3> cloud;
            for (int k = 0; k < 16; ++k) cloud.emplace_back(unit(random), unit(random), unit(random));
            NxConvexMeshDesc hullDesc;
            hullDesc.numVertices = 16;
            hullDesc.pointStrideBytes = sizeof(NxVec3);
            hullDesc.points = cloud.data();
            hullDesc.flags = NX_CF_COMPUTE_CONVEX;
            ByteStream stream;
            cooking->NxCookConvexMesh(hullDesc, stream);
            NxConvexShapeDesc shape;
            shape.meshData = sdk->createConvexMesh(stream);
            NxBodyDesc body;
            NxActorDesc desc;
            desc.body = &body;
            desc.density = 50;
            desc.shapes.push_back(&shape);
            int layer = i / (perRow * perRow), row = i / perRow % perRow, column = i % perRow;
            desc.globalPose.t.set(-17 + 2 * column, 2 + 2 * layer, -17 + 2 * row);
            NxActor* actor = scene->createActor(desc);
            actor->setContactReportFlags(NX_NOTIFY_ON_START_TOUCH | NX_NOTIFY_FORCES);
        }
    }

    // Mean milliseconds per frame of simulate + fetchResults at 60 frames a second.
    double frames(int count)
    {
        Clock::time_point start = Clock::now();
        for (int i = 0; i < count; ++i) {
            scene->simulate(1.0f / 60);
            scene->flushStream();
            scene->fetchResults(NX_RIGID_BODY_FINISHED, true);
        }
        return millisecondsSince(start) / count;
    }

    int sleeping()
    {
        int n = 0;
        for (NxU32 i = 0; i < scene->getNbActors(); ++i) n += scene->getActors()[i]->isSleeping();
        return n;
    }

    NxPhysicsSDK* sdk;
    NxScene* scene;
    NxCookingInterface* cooking;
};

void stepping(int hulls)
{
    Room room;
    room.addHulls(hulls);
    double falling = room.frames(60);
    double settling = room.frames(240);
    double resting = room.frames(60);
    std::printf("step %4d hulls: %7.3f ms falling, %7.3f ms settling, %7.3f ms at rest (%d asleep)\n", hulls,
                falling, settling, resting, room.sleeping());
}

void controllerMove()
{
    Room room;
    room.addHulls(50);
    room.frames(300);
    NxControllerManager* manager = NxCreateControllerManager(nullptr);
    NxCapsuleControllerDesc desc;
    desc.position = NxExtendedVec3(0, 2.02, 15);
    desc.height = 2;
    desc.radius = 1;
    desc.skinWidth = 0.02f;
    desc.stepOffset = 1;
    desc.slopeLimit = std::cos(0.7853982f);
    NxController* controller = manager->createController(room.scene, desc);
    const int moves = 2000;
    NxU32 flags;
    Clock::time_point start = Clock::now();
    for (int i = 0; i < moves; ++i) {
        NxReal angle = i * 0.01f;
        controller->move(NxVec3(0.2f * std::cos(angle), 0, 0.2f * std::sin(angle)), 3, 0.01f, flags, 1);
        controller->move(NxVec3(0, -0.5f, 0), 3, 0.01f, flags, 1);
    }
    std::printf("controller: %7.1f us per move (walk and gravity moves alternating)\n",
                millisecondsSince(start) * 1000 / (2 * moves));
    NxReleaseControllerManager(manager);
}

void cookingMesh()
{
    std::vector<NxVec3> points;
    std::vector<NxU32> indices;
    roomMesh(points, indices);
    NxSDKCreateError error;
    NxPhysicsSDK* sdk = NxCreatePhysicsSDK(NX_PHYSICS_SDK_VERSION, nullptr, nullptr, NxPhysicsSDKDesc(), &error);
    NxCookingInterface* cooking = NxGetCookingLib(NX_PHYSICS_SDK_VERSION);
    cooking->NxInitCooking();
    const int rounds = 20;
    double cook = 0, build = 0;
    for (int i = 0; i < rounds; ++i) {
        ByteStream stream;
        Clock::time_point start = Clock::now();
        cooking->NxCookTriangleMesh(meshDesc(points, indices), stream);
        cook += millisecondsSince(start);
        start = Clock::now();
        sdk->createTriangleMesh(stream);
        build += millisecondsSince(start);
    }
    std::printf("cooking %zu triangles: %7.3f ms to cook, %7.3f ms to build the mesh\n", indices.size() / 3,
                cook / rounds, build / rounds);
    sdk->release();
}

}  // namespace

int main()
{
    for (int hulls : {50, 200, 1000}) stepping(hulls);
    controllerMove();
    cookingMesh();
    return 0;
}
