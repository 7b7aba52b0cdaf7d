#pragma once
// A scene on real Bullet for the physics layer's tests and benchmarks: gravity (0, -32, 0),
// the default material the game sets, and a ground box whose top face is the plane y = 0.

#include <NxControllerManager.h>
#include <NxCooking.h>
#include <NxPhysics.h>

#include <cstring>
#include <string>
#include <vector>

namespace vphysx_test {

using namespace vphysx;

// An NxStream over a growing byte vector.
class ByteStream : public NxStream {
public:
    NxU8 readByte() const override { return read<NxU8>(); }
    NxU16 readWord() const override { return read<NxU16>(); }
    NxU32 readDword() const override { return read<NxU32>(); }
    NxF32 readFloat() const override { return read<NxF32>(); }
    NxF64 readDouble() const override { return read<NxF64>(); }
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
        const NxU8* b = static_cast<const NxU8*>(buffer);
        bytes.insert(bytes.end(), b, b + size);
        return *this;
    }

    std::vector<NxU8> bytes;

private:
    template <class T>
    T read() const
    {
        T value;
        readBuffer(&value, sizeof(T));
        return value;
    }
    mutable size_t position = 0;
};

// Collects the SDK's warnings.
class WarningLog : public NxUserOutputStream {
public:
    void print(const char* message) override { lines.push_back(message); }
    std::vector<std::string> lines;
};

class PhysxWorld {
public:
    explicit PhysxWorld(bool withGround = true);
    ~PhysxWorld();

    // Advances by frames of 1/60 s, fetching the results after each.
    void run(int frames);

    static NxTriangleMeshDesc meshDesc(const std::vector<NxVec3>& points, const std::vector<NxU32>& indices);
    static NxConvexMeshDesc hullDesc(const std::vector<NxVec3>& cloud);
    NxConvexMesh* hull(const std::vector<NxVec3>& cloud);
    NxConvexMesh* boxHull(const NxVec3& halfExtents, const NxVec3& centre = NxVec3());
    NxTriangleMesh* triangleMesh(const std::vector<NxVec3>& points, const std::vector<NxU32>& indices);
    NxTriangleMesh* boxMesh(const NxVec3& low, const NxVec3& high);

    // Dynamic actors report the contacts they start, with forces.
    NxActor* dynamicHull(NxConvexMesh* mesh, const NxVec3& position, NxReal density = 50);
    NxActor* dynamicBox(const NxVec3& position, const NxVec3& halfExtents, NxReal density = 50);
    NxActor* staticMesh(NxTriangleMesh* mesh, NxU32 shapeFlags = 0);
    NxActor* staticBox(const NxVec3& low, const NxVec3& high, NxU32 shapeFlags = 0);
    // A ramp rising along +x from (x0, 0) at the given angle, 20 wide in z.
    NxActor* ramp(NxReal x0, NxReal degrees, NxReal length);
    // The player's capsule: height 2, radius 1, skin 0.02, step offset 1, slope limit 45 degrees.
    NxController* capsule(double x, double y, double z, NxUserControllerHitReport* callback = nullptr);

    NxPhysicsSDK* sdk;
    NxScene* scene;
    NxCookingInterface* cooking;
    NxControllerManager* controllers;
    NxActor* ground = nullptr;
    WarningLog warnings;
};

}  // namespace vphysx_test
