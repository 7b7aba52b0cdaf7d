// Memory streams and the three mesh builders, with the lines they print.

#include <NxActor.h>

#include "PhysicsFixture.h"
#include "physics/MeshGeometry.h"
#include "physics/MemoryReadBuffer.h"
#include "physics/MemoryWriteBuffer.h"

using namespace irr;
using namespace vphysx;

TEST(MemoryStreams, WriteBufferGrowsByWhatIsNeededPlus4096AndReadsBackUnaligned) {
    MemoryWriteBuffer buffer;
    EXPECT_EQ(buffer.data, nullptr);
    std::vector<NxU8> bytes(4096, 7);
    buffer.storeBuffer(bytes.data(), 10);
    EXPECT_EQ(buffer.currentSize, 10u);
    EXPECT_EQ(buffer.maxSize, 4106u);
    buffer.storeBuffer(bytes.data(), 4096);
    EXPECT_EQ(buffer.maxSize, 4106u);
    buffer.storeByte(9);
    EXPECT_EQ(buffer.currentSize, 4107u);
    EXPECT_EQ(buffer.maxSize, 8203u);
    EXPECT_EQ(buffer.data[4105], 7);
    EXPECT_EQ(buffer.data[4106], 9);
    EXPECT_EQ(buffer.readDword(), 0u);

    MemoryWriteBuffer out;
    out.storeWord(0x1234);
    EXPECT_EQ(out.data[0], 0x34);  // native order
    EXPECT_EQ(out.data[1], 0x12);
    out.storeByte(0xab).storeDword(0xdeadbeef).storeFloat(1.5f).storeDouble(-2.25);
    MemoryReadBuffer in(out.data);
    EXPECT_EQ(in.readWord(), 0x1234);
    EXPECT_EQ(in.readByte(), 0xab);
    EXPECT_EQ(in.readDword(), 0xdeadbeefu);  // at an odd address
    EXPECT_EQ(in.readFloat(), 1.5f);
    EXPECT_EQ(in.readDouble(), -2.25);
    EXPECT_EQ(in.buffer, out.data + out.currentSize);
}

using MeshBuilderTest = PhysicsFixture;

TEST_F(MeshBuilderTest, EachBuffersWholeTrianglesKeepToItsOwnVertices) {
    // Two slabs, one buffer each: the second one's triangles must use its own corners.
    scene::SMesh* floor = boxMesh(core::vector3df(0, -1, 0), core::vector3df(8, 0, 8));
    scene::IMeshBuffer* second = boxMesh(core::vector3df(10, -1, 0), core::vector3df(18, 0, 8))->getMeshBuffer(0);
    floor->addMeshBuffer(second);
    s32 id = addObject(floor, core::vector3df(100, 0, 0), "1Floor");
    ASSERT_NE(physics->createStaticMeshActor(floor, core::vector3df(100, 0, 0), core::vector3df(1), id), nullptr);
    NxActor* onFirst = dynamicBox(core::vector3df(104, 2, 4), 0.5f);
    NxActor* onSecond = dynamicBox(core::vector3df(114, 2, 4), 0.5f);
    run(60);
    EXPECT_NEAR(onFirst->getGlobalPosition().y, 0.5f, 0.05f);
    EXPECT_NEAR(onSecond->getGlobalPosition().y, 0.5f, 0.05f);
}

TEST(MeshGeometryTest, StrayIndicesStayInTheirOwnBuffer) {
    // Two quads of 4 vertices; each buffer ends with indices that make no whole triangle.
    scene::SMesh mesh;
    for (int b = 0; b < 2; ++b) {
        scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
        for (int v = 0; v < 4; ++v) buffer->Vertices.push_back(video::S3DVertex());  // set_used leaves them unmade
        for (u16 i : {0, 1, 2, 0, 2, 3}) buffer->Indices.push_back(i);
        buffer->Indices.push_back(3);
        if (b == 0) buffer->Indices.push_back(1);
        mesh.addMeshBuffer(buffer);
        buffer->drop();
    }
    MeshGeometry g = gatherMeshGeometry(&mesh, core::vector3df(1), true);
    EXPECT_EQ(g.pointCount(), 8u);
    EXPECT_EQ(g.indices, (std::vector<vphysx::NxU32>{0, 1, 2, 0, 2, 3, 4, 5, 6, 4, 6, 7}));
}

TEST_F(MeshBuilderTest, ActorsOfEachKindCarryTheirObjectAndScale) {
    scene::SMesh* slab = boxMesh(core::vector3df(-1, -0.5f, -1), core::vector3df(1, 0.5f, 1));
    s32 wall = addObject(slab, core::vector3df(50, -1.5f, 0), "1Slab");
    NxActor* fixed = physics->createStaticMeshActor(slab, core::vector3df(50, -1.5f, 0), core::vector3df(3, 1, 3), wall);
    ASSERT_NE(fixed, nullptr);
    EXPECT_FALSE(fixed->isDynamic());
    EXPECT_EQ(fixed->userData, reinterpret_cast<void*>(std::intptr_t(wall)));

    scene::SMesh* cube = boxMesh(core::vector3df(-0.5f), core::vector3df(0.5f));
    s32 id = addObject(cube, core::vector3df(50, 1, 0), "stretched");
    NxActor* stretched =
        physics->createDynamicConvexActor(cube, core::vector3df(50, 1, 0), core::vector3df(2, 1.5f, 4), id, 50);
    ASSERT_NE(stretched, nullptr);
    EXPECT_NEAR(stretched->getMass(), 600, 0.01f);  // 50 per unit of volume, 2 x 1.5 x 4 units

    scene::SMesh* volume = boxMesh(core::vector3df(-2, 0, -2), core::vector3df(2, 3, 2));
    s32 zone = addObject(volume, core::vector3df(40, -2, 0), "2Zone");
    ASSERT_NE(physics->createTriggerMeshActor(volume, core::vector3df(40, -2, 0), core::vector3df(1), zone), nullptr);
    NxActor* crate = dynamicBox(core::vector3df(40, 4, 0), 0.5f);
    run(120);
    EXPECT_NEAR(stretched->getGlobalPosition().y, -1 + 0.75f, 0.05f);  // on the slab, whose top is at -1
    EXPECT_NEAR(crate->getGlobalPosition().y, -1.5f, 0.01f);           // through the trigger, on the ground
}

TEST_F(MeshBuilderTest, UnusableMeshesPrintOneLineAndMakeNoActor) {
    auto output = [&](const std::function<NxActor*()>& build) {
        testing::internal::CaptureStdout();
        EXPECT_EQ(build(), nullptr);
        return testing::internal::GetCapturedStdout();
    };
    core::vector3df at(70, 0, 0), one(1);

    scene::SMeshBufferLightMap* lightMapped = new scene::SMeshBufferLightMap();
    lightMapped->Vertices.push_back(video::S3DVertex2TCoords());
    scene::SMesh* wrongFormat = meshOf(lightMapped);
    s32 id = addObject(wrongFormat, at, "1Lit");
    EXPECT_EQ(output([&] { return physics->createStaticMeshActor(wrongFormat, at, one, id); }),
              "ERROR! Mesh Verts in wrong format!\n");
    EXPECT_EQ(output([&] { return physics->createDynamicConvexActor(wrongFormat, at, one, id, 50); }),
              "ERROR! Mesh Verts in wrong format!\n");

    scene::SMesh* flat = boxMesh(core::vector3df(0, 0, 0), core::vector3df(2, 0, 2));
    id = addObject(flat, at, "Sheet");
    EXPECT_EQ(output([&] { return physics->createDynamicConvexActor(flat, at, one, id, 50); }),
              "MESH COOKING FAILED!!!\nPhysics: the mesh of \"Sheet\" has no volume (flat, or fewer than four "
              "distinct points) and cannot be a dynamic hull; the object gets no actor\n");

    scene::SMeshBuffer* points = new scene::SMeshBuffer();
    points->Vertices.push_back(video::S3DVertex());
    scene::SMesh* noTriangles = meshOf(points);
    id = addObject(noTriangles, at, "1Dot");
    EXPECT_EQ(output([&] { return physics->createStaticMeshActor(noTriangles, at, one, id); }),
              "PhysX Error: Failed to cook mesh!\n"
              "Physics: the mesh of static object \"1Dot\" has no triangles; the object gets no actor\n");
    EXPECT_EQ(output([&] { return physics->createTriggerMeshActor(noTriangles, at, one, id); }),
              "Physics: the mesh of trigger \"1Dot\" has no triangles; the object gets no actor\n");

    scene::SMesh* cube = boxMesh(core::vector3df(-0.5f), core::vector3df(0.5f));
    id = addObject(cube, at, "Far");
    EXPECT_EQ(output([&] { return physics->createDynamicConvexActor(cube, core::vector3df(NAN, 0, 0), one, id, 50); }),
              "Physics: \"Far\" is not within a million units of the origin; the object gets no actor\n");
    EXPECT_EQ(output([&] { return physics->createStaticMeshActor(cube, at, core::vector3df(1, INFINITY, 1), id); }),
              "Physics: a vertex of \"Far\" is not a number within a million units; the object gets no actor\n");
    // Finite but huge: Bullet would drop the object with a burst of its own lines.
    EXPECT_EQ(output([&] { return physics->createDynamicConvexActor(cube, at, core::vector3df(1e30f), id, 50); }),
              "Physics: a vertex of \"Far\" is not a number within a million units; the object gets no actor\n");

    scene::SMesh* broken = boxMesh(core::vector3df(-0.5f), core::vector3df(0.5f));
    static_cast<scene::SMeshBuffer*>(broken->getMeshBuffer(0))->Indices[4] = 8;
    id = addObject(broken, at, "1Broken");
    EXPECT_EQ(output([&] { return physics->createStaticMeshActor(broken, at, one, id); }),
              "Physics: mesh buffer 0 of \"1Broken\" has an index past its 8 vertices; the object gets no actor\n");

    scene::SMesh* huge = boxMesh(core::vector3df(-0.5f), core::vector3df(0.5f));
    static_cast<scene::SMeshBuffer*>(huge->getMeshBuffer(0))->Vertices.set_used(65537);
    id = addObject(huge, at, "1Huge");
    EXPECT_EQ(output([&] { return physics->createStaticMeshActor(huge, at, one, id); }),
              "Physics: mesh buffer 0 of \"1Huge\" has 65537 vertices, more than its 16-bit indices reach; "
              "the object gets no actor\n");

    EXPECT_EQ(output([&] { return physics->createStaticMeshActor(nullptr, at, one, id); }), "");
}
