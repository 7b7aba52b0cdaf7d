#pragma once
// Triangle meshes for the internal-edge pass, and that pass run two ways on them: Bullet's own
// (every overlapping pair, through the mesh's tree) and the shared-edge stand-in the layer uses.

#include <BulletCollision/CollisionShapes/btTriangleInfoMap.h>

#include <vector>

namespace vphysx_test {

struct TriangleSoup {
    std::vector<btScalar> vertices;  // three coordinates per point
    std::vector<int> indices;        // three per triangle
    int triangles() const { return int(indices.size() / 3); }
};

// n x n quads half a unit across sharing corners; corner heights vary by up to `bump`.
TriangleSoup gridFloor(int n, double bump);
// The same triangles, each with corners of its own.
TriangleSoup splitCorners(const TriangleSoup& mesh);
// Triangles with corners anywhere in a 10-unit cube: each overlaps most others.
TriangleSoup overlappingSoup(int triangles);

// Seconds taken; the map is filled as the pass leaves it.
double bulletEdgePass(const TriangleSoup& mesh, btTriangleInfoMap& edges);
// Also false when the stand-in was asked out of order.
double sharedEdgePass(const TriangleSoup& mesh, btTriangleInfoMap& edges, bool* inOrder = nullptr);

}  // namespace vphysx_test
