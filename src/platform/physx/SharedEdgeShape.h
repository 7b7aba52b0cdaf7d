#pragma once
// Bullet's internal-edge pass asks the mesh, one triangle at a time in index order, for every
// triangle overlapping that one's box, and compares each pair: on big overlapping soups that is
// quadratic (5,000 triangles took 9 s, 50,000 over 400 s). Only triangles sharing an edge
// matter to it, so this stand-in answers each question with just those, found by welding equal
// corner positions. It serves that pass alone: it has no tree of its own.

#include <BulletCollision/CollisionShapes/btBvhTriangleMeshShape.h>

#include <vector>

namespace vphysx {

class SharedEdgeShape : public btBvhTriangleMeshShape {
public:
    // `vertices` holds three coordinates per point, `indices` three per triangle, as `mesh` does.
    SharedEdgeShape(btStridingMeshInterface* mesh, const std::vector<btScalar>& vertices,
                    const std::vector<int>& indices);

    // The neighbours of the triangle the pass is on; the box must be that triangle's.
    void processAllTriangles(btTriangleCallback* callback, const btVector3& aabbMin,
                             const btVector3& aabbMax) const override;

    // False when the pass asked about triangles out of index order: its map is then incomplete.
    bool askedInOrder() const { return inOrder; }

private:
    void corners(int triangle, btVector3 out[3]) const;

    const std::vector<btScalar>& vertices;
    const std::vector<int>& indices;
    std::vector<int> firstNeighbour;  // per triangle, into `neighbours`; one past the end last
    std::vector<int> neighbours;
    mutable int asked = 0;
    mutable bool inOrder = true;
};

}  // namespace vphysx
