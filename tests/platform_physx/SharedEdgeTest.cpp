// The shared-edge stand-in must leave the same seam information as Bullet's own pass, which
// compares every overlapping pair, and stay quick where that pass is quadratic.
#include <gtest/gtest.h>

#include "EdgeMeshes.h"
#include "TriangleMeshImpl.h"

using namespace vphysx_test;

namespace {

void expectSameSeams(const TriangleSoup& mesh)
{
    btTriangleInfoMap bullet, shared;
    bool inOrder = false;
    bulletEdgePass(mesh, bullet);
    sharedEdgePass(mesh, shared, &inOrder);
    ASSERT_TRUE(inOrder);
    ASSERT_EQ(bullet.size(), shared.size());
    for (int t = 0; t < mesh.triangles(); ++t) {
        const btTriangleInfo* expected = bullet.find(t);
        const btTriangleInfo* actual = shared.find(t);
        ASSERT_EQ(expected == nullptr, actual == nullptr) << "triangle " << t;
        if (!expected) continue;
        EXPECT_EQ(expected->m_flags, actual->m_flags) << "triangle " << t;
        EXPECT_DOUBLE_EQ(expected->m_edgeV0V1Angle, actual->m_edgeV0V1Angle) << "triangle " << t;
        EXPECT_DOUBLE_EQ(expected->m_edgeV1V2Angle, actual->m_edgeV1V2Angle) << "triangle " << t;
        EXPECT_DOUBLE_EQ(expected->m_edgeV2V0Angle, actual->m_edgeV2V0Angle) << "triangle " << t;
    }
}

// A closed box: every edge a convex crease between two faces.
TriangleSoup box()
{
    TriangleSoup mesh;
    for (int i = 0; i < 8; ++i) mesh.vertices.insert(mesh.vertices.end(), {btScalar(i & 1), btScalar(i >> 1 & 1), btScalar(i >> 2 & 1)});
    mesh.indices = {0, 2, 1, 1, 2, 3, 4, 5, 6, 5, 7, 6, 0, 1, 4, 1, 5, 4,
                    2, 6, 3, 3, 6, 7, 0, 4, 2, 2, 4, 6, 1, 3, 5, 3, 7, 5};
    return mesh;
}

// `count` triangles hinged on the one edge from (0,0,0) to (0,0,1), like the pages of a book.
TriangleSoup pages(int count)
{
    TriangleSoup mesh;
    mesh.vertices = {0, 0, 0, 0, 0, 1};
    for (int t = 0; t < count; ++t) {
        double angle = 6.2 * t / count;
        mesh.vertices.insert(mesh.vertices.end(), {std::cos(angle), std::sin(angle), 0.5});
        mesh.indices.insert(mesh.indices.end(), {0, 1, t + 2});
    }
    return mesh;
}

}  // namespace

TEST(SharedEdges, SameSeamsAsBulletsPassOnFloorsCreasesAndCorners)
{
    expectSameSeams(gridFloor(12, 0));
    expectSameSeams(gridFloor(12, 0.3));               // creases both ways
    expectSameSeams(splitCorners(gridFloor(12, 0.3)));  // met by position, not index
    expectSameSeams(box());
    expectSameSeams(overlappingSoup(300));  // nothing shared: no seams either way
}

TEST(SharedEdges, SoupsAndCrowdedEdgesStayQuickAndUnsmoothed)
{
    btTriangleInfoMap soup;
    bool inOrder = false;
    sharedEdgePass(overlappingSoup(50000), soup, &inOrder);  // Bullet's pass runs for minutes here
    EXPECT_TRUE(inOrder);
    EXPECT_EQ(0, soup.size());

    btTriangleInfoMap crowded;
    sharedEdgePass(pages(20000), crowded, &inOrder);
    EXPECT_EQ(0, crowded.size());
    btTriangleInfoMap hinge;
    sharedEdgePass(pages(2), hinge, &inOrder);
    EXPECT_EQ(2, hinge.size());
}

TEST(SharedEdges, MeshShapeCarriesTheSeams)
{
    TriangleSoup floor = gridFloor(10, 0);
    vphysx::TriangleMeshImpl mesh(std::vector<float>(floor.vertices.begin(), floor.vertices.end()),
                                  std::vector<vphysx::NxU32>(floor.indices.begin(), floor.indices.end()));
    ASSERT_NE(nullptr, mesh.shape()->getTriangleInfoMap());
    EXPECT_EQ(floor.triangles(), mesh.shape()->getTriangleInfoMap()->size());
}
