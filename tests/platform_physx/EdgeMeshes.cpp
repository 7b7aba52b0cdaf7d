#include "EdgeMeshes.h"

#include <BulletCollision/CollisionDispatch/btInternalEdgeUtility.h>
#include <BulletCollision/CollisionShapes/btTriangleIndexVertexArray.h>

#include <chrono>
#include <random>

#include "SharedEdgeShape.h"

namespace vphysx_test {

namespace {

struct MeshArray : btTriangleIndexVertexArray {
    explicit MeshArray(const TriangleSoup& mesh)
        : btTriangleIndexVertexArray(mesh.triangles(), const_cast<int*>(mesh.indices.data()), 3 * sizeof(int),
                                     int(mesh.vertices.size() / 3), const_cast<btScalar*>(mesh.vertices.data()),
                                     3 * sizeof(btScalar))
    {
    }
};

template <class Pass>
double timed(Pass pass)
{
    auto start = std::chrono::steady_clock::now();
    pass();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TriangleSoup gridFloor(int n, double bump)
{
    std::mt19937 random(3);
    std::uniform_real_distribution<double> height(0, bump);
    TriangleSoup mesh;
    for (int i = 0; i <= n; ++i)
        for (int j = 0; j <= n; ++j) mesh.vertices.insert(mesh.vertices.end(), {i * 0.5, height(random), j * 0.5});
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            int a = i * (n + 1) + j, b = a + n + 1;
            mesh.indices.insert(mesh.indices.end(), {a, a + 1, b, b, a + 1, b + 1});
        }
    return mesh;
}

TriangleSoup splitCorners(const TriangleSoup& mesh)
{
    TriangleSoup split;
    for (int index : mesh.indices) {
        split.indices.push_back(int(split.vertices.size() / 3));
        split.vertices.insert(split.vertices.end(), &mesh.vertices[3 * size_t(index)], &mesh.vertices[3 * size_t(index)] + 3);
    }
    return split;
}

TriangleSoup overlappingSoup(int triangles)
{
    std::mt19937 random(1);
    std::uniform_real_distribution<double> unit(0, 10);
    TriangleSoup mesh;
    for (int t = 0; t < 3 * triangles; ++t) {
        mesh.vertices.insert(mesh.vertices.end(), {unit(random), unit(random), unit(random)});
        mesh.indices.push_back(t);
    }
    return mesh;
}

double bulletEdgePass(const TriangleSoup& mesh, btTriangleInfoMap& edges)
{
    MeshArray array(mesh);
    btBvhTriangleMeshShape shape(&array, true);
    return timed([&] { btGenerateInternalEdgeInfo(&shape, &edges); });
}

double sharedEdgePass(const TriangleSoup& mesh, btTriangleInfoMap& edges, bool* inOrder)
{
    MeshArray array(mesh);
    return timed([&] {
        vphysx::SharedEdgeShape shape(&array, mesh.vertices, mesh.indices);
        btGenerateInternalEdgeInfo(&shape, &edges);
        if (inOrder) *inOrder = shape.askedInOrder();
    });
}

}  // namespace vphysx_test
