// Cooking into a stream and building meshes back from its bytes.

#include <gtest/gtest.h>

#include "PhysxWorld.h"

using namespace vphysx_test;

TEST(Cooking, TriangleMeshBytesBuildTheMeshBack)
{
    PhysxWorld world;
    std::vector<NxVec3> points{{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {1, 0, 1}};
    std::vector<NxU16> indices{0, 2, 1, 1, 2, 3};
    NxTriangleMeshDesc desc;
    desc.numVertices = 4;
    desc.numTriangles = 2;
    desc.pointStrideBytes = sizeof(NxVec3);
    desc.triangleStrideBytes = 3 * sizeof(NxU16);
    desc.points = points.data();
    desc.triangles = indices.data();
    desc.flags = NX_MF_16_BIT_INDICES;
    ByteStream stream;
    ASSERT_TRUE(world.cooking->NxCookTriangleMesh(desc, stream));
    EXPECT_EQ(stream.bytes.size(), 8 + 4 + 4 * 12 + 4 + 6 * 4u);
    NxTriangleMesh* mesh = world.sdk->createTriangleMesh(stream);
    ASSERT_NE(mesh, nullptr);
    EXPECT_EQ(mesh->getCount(0, NX_ARRAY_VERTICES), 4u);
    EXPECT_EQ(mesh->getCount(0, NX_ARRAY_TRIANGLES), 2u);
}

TEST(Cooking, RefusesBadTriangleMeshes)
{
    PhysxWorld world;
    std::vector<NxVec3> points{{0, 0, 0}, {1, 0, 0}, {0, 0, 1}};
    std::vector<NxU32> indices{0, 1, 3};
    NxTriangleMeshDesc desc = PhysxWorld::meshDesc(points, indices);
    ByteStream stream;
    EXPECT_FALSE(world.cooking->NxCookTriangleMesh(desc, stream));  // index past the points
    indices[2] = 2;
    points[1].x = NAN;
    EXPECT_FALSE(world.cooking->NxCookTriangleMesh(desc, stream));
    EXPECT_TRUE(stream.bytes.empty());
    points[1].x = 1;
    world.cooking->NxCloseCooking();
    EXPECT_FALSE(world.cooking->NxCookTriangleMesh(desc, stream));
    world.cooking->NxInitCooking();
    EXPECT_TRUE(world.cooking->NxCookTriangleMesh(desc, stream));
}

TEST(Cooking, ConvexHullOfAPointCloudAndStreamsOfAnotherKind)
{
    PhysxWorld world;
    std::vector<NxVec3> points;
    for (int i = 0; i < 8; ++i) points.emplace_back(NxReal(i & 1), NxReal(i >> 1 & 1), NxReal(i >> 2 & 1));
    points.emplace_back(0.5f, 0.5f, 0.5f);  // inside: not a hull vertex
    points.emplace_back(1, 1, 1);           // duplicate
    ByteStream stream;
    ASSERT_TRUE(world.cooking->NxCookConvexMesh(PhysxWorld::hullDesc(points), stream));
    ByteStream unread = stream;
    EXPECT_EQ(world.sdk->createTriangleMesh(unread), nullptr);
    NxConvexMesh* hull = world.sdk->createConvexMesh(stream);
    ASSERT_NE(hull, nullptr);
    EXPECT_EQ(hull->getCount(0, NX_ARRAY_VERTICES), 8u);
    EXPECT_EQ(hull->getCount(0, NX_ARRAY_TRIANGLES), 12u);
    ByteStream garbage;
    garbage.storeDword(0x12345678).storeDword(1);
    EXPECT_EQ(world.sdk->createConvexMesh(garbage), nullptr);
}

TEST(Cooking, PointsWithoutVolumeMakeNoHull)
{
    PhysxWorld world;
    ByteStream stream;
    std::vector<NxVec3> flat{{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {1, 0, 1}, {0.5f, 0, 0.5f}};
    EXPECT_FALSE(world.cooking->NxCookConvexMesh(PhysxWorld::hullDesc(flat), stream));
    std::vector<NxVec3> three{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 1, 0}, {1, 0, 0}};
    EXPECT_FALSE(world.cooking->NxCookConvexMesh(PhysxWorld::hullDesc(three), stream));
    std::vector<NxVec3> line{{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}};
    EXPECT_FALSE(world.cooking->NxCookConvexMesh(PhysxWorld::hullDesc(line), stream));
    EXPECT_TRUE(stream.bytes.empty());
}

TEST(Cooking, HullMassComesFromDensityAndVolumeAboutItsCentre)
{
    PhysxWorld world;
    // A 2 x 1 x 1 box whose points sit off the actor's origin: the actor keeps its own frame.
    NxActor* actor = world.dynamicHull(world.boxHull(NxVec3(1, 0.5f, 0.5f), NxVec3(3, 0, 0)), NxVec3(0, 10, 0), 2);
    EXPECT_NEAR(actor->getMass(), 4, 1e-4);
    EXPECT_EQ(actor->getGlobalPosition(), NxVec3(0, 10, 0));
    // Turned half round about y, the hull now lies around x = -3.
    actor->setGlobalOrientationQuat(NxQuat(0, 1, 0, 0));
    actor->raiseBodyFlag(NX_BF_DISABLE_GRAVITY);
    actor->addForceAtPos(NxVec3(0, 0, 4), NxVec3(-3, 10, 0), NX_IMPULSE);  // through the centre
    EXPECT_NEAR(actor->getLinearVelocity().z, 1, 1e-5);
    EXPECT_NEAR(actor->getAngularVelocity().magnitude(), 0, 1e-5);
    actor->addForceAtPos(NxVec3(0, 0, 4), NxVec3(-4, 10, 0), NX_IMPULSE);  // one unit off
    // Angular impulse 4 about y on a moment m (a^2 + b^2) / 12 = 4 * (4 + 1) / 12.
    EXPECT_NEAR(actor->getAngularVelocity().y, 4 / (4 * 5.0 / 12), 1e-3);
}
