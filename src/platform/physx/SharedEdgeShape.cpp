#include "SharedEdgeShape.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <tuple>
#include <utility>

namespace vphysx {

namespace {

// An edge shared by more triangles than this is no seam of a surface; it is not smoothed, and a
// soup piling thousands of triangles on one edge stays linear.
const int MOST_SHARING_AN_EDGE = 4;

// One id per distinct corner position: triangles that do not share indices still meet.
std::vector<int> weldedIds(const std::vector<btScalar>& vertices)
{
    int count = int(vertices.size() / 3);
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    auto position = [&](int v) {
        return std::make_tuple(vertices[3 * v], vertices[3 * v + 1], vertices[3 * v + 2]);
    };
    std::sort(order.begin(), order.end(), [&](int a, int b) { return position(a) < position(b); });
    std::vector<int> ids(count);
    for (int i = 0, id = -1; i < count; ++i) {
        if (i == 0 || position(order[i]) != position(order[i - 1])) ++id;
        ids[order[i]] = id;
    }
    return ids;
}

}  // namespace

SharedEdgeShape::SharedEdgeShape(btStridingMeshInterface* mesh, const std::vector<btScalar>& points,
                                 const std::vector<int>& triangleIndices)
    : btBvhTriangleMeshShape(mesh, true, false), vertices(points), indices(triangleIndices)
{
    std::vector<int> ids = weldedIds(vertices);
    int triangles = int(indices.size() / 3);
    std::vector<std::pair<std::uint64_t, int>> edges;
    edges.reserve(size_t(triangles) * 3);
    for (int t = 0; t < triangles; ++t)
        for (int k = 0; k < 3; ++k) {
            std::uint64_t a = std::uint64_t(ids[indices[3 * t + k]]), b = std::uint64_t(ids[indices[3 * t + (k + 1) % 3]]);
            if (a != b) edges.emplace_back(std::min(a, b) << 32 | std::max(a, b), t);
        }
    std::sort(edges.begin(), edges.end());

    std::vector<std::pair<int, int>> pairs;
    for (size_t first = 0, end = 0; first < edges.size(); first = end) {
        end = first + 1;
        while (end < edges.size() && edges[end].first == edges[first].first) ++end;
        if (end - first > size_t(MOST_SHARING_AN_EDGE)) continue;
        for (size_t i = first; i < end; ++i)
            for (size_t j = first; j < end; ++j)
                if (edges[i].second != edges[j].second) pairs.emplace_back(edges[i].second, edges[j].second);
    }
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());

    firstNeighbour.assign(size_t(triangles) + 1, 0);
    for (const auto& pair : pairs) ++firstNeighbour[size_t(pair.first) + 1];
    std::partial_sum(firstNeighbour.begin(), firstNeighbour.end(), firstNeighbour.begin());
    neighbours.reserve(pairs.size());
    for (const auto& pair : pairs) neighbours.push_back(pair.second);
}

void SharedEdgeShape::corners(int triangle, btVector3 out[3]) const
{
    const btVector3& scaling = m_meshInterface->getScaling();
    for (int k = 0; k < 3; ++k) {
        const btScalar* p = &vertices[3 * size_t(indices[3 * triangle + k])];
        out[k] = btVector3(p[0] * scaling.x(), p[1] * scaling.y(), p[2] * scaling.z());
    }
}

void SharedEdgeShape::processAllTriangles(btTriangleCallback* callback, const btVector3& aabbMin,
                                          const btVector3& aabbMax) const
{
    int triangle = asked++;
    if (!inOrder || triangle >= int(firstNeighbour.size()) - 1) {
        inOrder = false;
        return;
    }
    btVector3 own[3];
    corners(triangle, own);
    btVector3 low = own[0], high = own[0];
    for (const btVector3& corner : own) {
        low.setMin(corner);
        high.setMax(corner);
    }
    if (low != aabbMin || high != aabbMax) {
        inOrder = false;
        return;
    }
    for (int i = firstNeighbour[triangle]; i < firstNeighbour[triangle + 1]; ++i) {
        btVector3 other[3];
        corners(neighbours[i], other);
        callback->processTriangle(other, 0, neighbours[i]);
    }
}

}  // namespace vphysx
