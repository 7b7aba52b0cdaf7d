// The internal-edge pass two ways on the same meshes, interleaved round by round: Bullet's own
// (every overlapping pair) and the layer's shared-edge stand-in; plus the whole build of a level
// mesh (tree and pass) as the game makes it. Run by hand: build/bench/physx/edge_pass_bench
#include <chrono>
#include <cstdio>

#include "EdgeMeshes.h"
#include "TriangleMeshImpl.h"

using namespace vphysx_test;

namespace {

void compare(const char* name, const TriangleSoup& mesh, int rounds)
{
    double bullet = 0, shared = 0;
    for (int r = 0; r < rounds; ++r) {
        btTriangleInfoMap a, b;
        bullet += bulletEdgePass(mesh, a);
        shared += sharedEdgePass(mesh, b);
    }
    std::printf("%-26s %6d triangles: Bullet's pass %8.3f s, shared edges %7.3f s, %7.1fx\n", name,
                mesh.triangles(), bullet / rounds, shared / rounds, bullet / shared);
}

void wholeBuild(const char* name, const TriangleSoup& mesh)
{
    std::vector<float> points(mesh.vertices.begin(), mesh.vertices.end());
    std::vector<vphysx::NxU32> indices(mesh.indices.begin(), mesh.indices.end());
    auto start = std::chrono::steady_clock::now();
    vphysx::TriangleMeshImpl built(points, indices);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-26s %6d triangles: whole mesh build %7.3f s\n", name, mesh.triangles(), seconds);
}

}  // namespace

int main()
{
    compare("floor 160 x 160", gridFloor(160, 0), 3);
    compare("bumpy floor 160 x 160", gridFloor(160, 0.2), 3);
    compare("floor, corners apart", splitCorners(gridFloor(160, 0.2)), 3);
    for (int triangles : {1000, 5000}) compare("overlapping soup", overlappingSoup(triangles), 1);
    wholeBuild("bumpy floor 160 x 160", gridFloor(160, 0.2));
    wholeBuild("overlapping soup", overlappingSoup(50000));
    return 0;
}
