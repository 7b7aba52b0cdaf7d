#include "WalkableFloor.h"

#include <recastnavigation/DetourNavMesh.h>
#include <recastnavigation/DetourNavMeshBuilder.h>
#include <recastnavigation/DetourNavMeshQuery.h>
#include <recastnavigation/Recast.h>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace irr;

namespace {

const float LARGEST_GRID = 1024;    // cells a side: a level up to 256 wide is sampled to a quarter unit
const float CELL_HEIGHT = 0.1f;
const float TALLEST_GRID = 8000;    // cells, below Recast's limit for a span's height
const int VERTICES_PER_POLYGON = 6;
const int LONGEST_WAY = 8192;       // polygons
const unsigned short WALK = 1, REACHED = 2;

struct RecastParts {
    rcContext context{false};
    rcHeightfield* solid = rcAllocHeightfield();
    rcCompactHeightfield* compact = rcAllocCompactHeightfield();
    rcContourSet* contours = rcAllocContourSet();
    rcPolyMesh* polygons = rcAllocPolyMesh();
    rcPolyMeshDetail* detail = rcAllocPolyMeshDetail();
    ~RecastParts() {
        rcFreeHeightField(solid);
        rcFreeCompactHeightfield(compact);
        rcFreeContourSet(contours);
        rcFreePolyMesh(polygons);
        rcFreePolyMeshDetail(detail);
    }
};

core::vector3df vector(const float* v) { return core::vector3df(v[0], v[1], v[2]); }

}  // namespace

struct WalkableFloor::Mesh {
    dtNavMesh* navigation = nullptr;
    dtNavMeshQuery* query = nullptr;
    const dtMeshTile* tile = nullptr;
    dtPolyRef base = 0;
    std::vector<bool> reached;  // by polygon

    ~Mesh() {
        dtFreeNavMeshQuery(query);
        dtFreeNavMesh(navigation);
    }

    bool build(const std::vector<core::triangle3df>& triangles, const AgentSize& agent, float cellSize);
    dtPolyRef nearest(const core::aabbox3df& box, const dtQueryFilter& filter, core::vector3df* at) const;
    const dtPoly& polygon(int i) const { return tile->polys[i]; }
    int count() const { return tile ? tile->header->polyCount : 0; }
    template <typename Visit> void eachTriangleOf(int i, Visit visit) const;
    template <typename Visit> void eachNeighbour(int i, Visit visit) const;
};

bool WalkableFloor::Mesh::build(const std::vector<core::triangle3df>& triangles, const AgentSize& agent,
                                float cellSize) {
    if (triangles.empty()) return false;
    std::vector<float> vertices;
    vertices.reserve(triangles.size() * 9);
    for (const core::triangle3df& t : triangles)
        for (const core::vector3df& p : {t.pointA, t.pointB, t.pointC}) vertices.insert(vertices.end(), {p.X, p.Y, p.Z});
    std::vector<int> corners(vertices.size() / 3);
    for (size_t i = 0; i < corners.size(); ++i) corners[i] = int(i);
    const int vertexCount = int(corners.size()), triangleCount = int(triangles.size());

    rcConfig config{};
    rcCalcBounds(vertices.data(), vertexCount, config.bmin, config.bmax);
    const float across = std::max(config.bmax[0] - config.bmin[0], config.bmax[2] - config.bmin[2]);
    if (!std::isfinite(across) || !std::isfinite(config.bmax[1] - config.bmin[1])) return false;
    config.cs = std::max(cellSize, across / LARGEST_GRID);
    config.ch = std::max(CELL_HEIGHT, (config.bmax[1] - config.bmin[1]) / TALLEST_GRID);
    config.bmax[1] += agent.height;  // room above the highest floor
    rcCalcGridSize(config.bmin, config.bmax, config.cs, &config.width, &config.height);
    config.walkableSlopeAngle = agent.slopeDegrees;
    // A doorway exactly as high as the capsule stops it: it must be taller.
    config.walkableHeight = int(std::floor(agent.height / config.ch)) + 1;
    config.walkableClimb = int(std::floor(agent.climb / config.ch));
    config.walkableRadius = int(std::ceil(agent.radius / config.cs));
    config.maxEdgeLen = int(12 / config.cs);
    config.maxSimplificationError = 1.3f;
    config.minRegionArea = 4;
    config.mergeRegionArea = 400;
    config.maxVertsPerPoly = VERTICES_PER_POLYGON;
    config.detailSampleDist = config.cs * 6;
    config.detailSampleMaxError = config.ch;

    RecastParts parts;
    rcContext* context = &parts.context;
    if (!rcCreateHeightfield(context, *parts.solid, config.width, config.height, config.bmin, config.bmax, config.cs,
                             config.ch))
        return false;
    std::vector<unsigned char> areas(size_t(triangleCount), 0);
    rcMarkWalkableTriangles(context, config.walkableSlopeAngle, vertices.data(), vertexCount, corners.data(),
                            triangleCount, areas.data());
    if (!rcRasterizeTriangles(context, vertices.data(), vertexCount, corners.data(), areas.data(), triangleCount,
                              *parts.solid, config.walkableClimb))
        return false;
    rcFilterLowHangingWalkableObstacles(context, config.walkableClimb, *parts.solid);
    rcFilterLedgeSpans(context, config.walkableHeight, config.walkableClimb, *parts.solid);
    rcFilterWalkableLowHeightSpans(context, config.walkableHeight, *parts.solid);
    if (!rcBuildCompactHeightfield(context, config.walkableHeight, config.walkableClimb, *parts.solid, *parts.compact) ||
        !rcErodeWalkableArea(context, config.walkableRadius, *parts.compact) ||
        !rcBuildDistanceField(context, *parts.compact) ||
        !rcBuildRegions(context, *parts.compact, 0, config.minRegionArea, config.mergeRegionArea) ||
        !rcBuildContours(context, *parts.compact, config.maxSimplificationError, config.maxEdgeLen, *parts.contours) ||
        !rcBuildPolyMesh(context, *parts.contours, config.maxVertsPerPoly, *parts.polygons) ||
        !rcBuildPolyMeshDetail(context, *parts.polygons, *parts.compact, config.detailSampleDist,
                               config.detailSampleMaxError, *parts.detail))
        return false;
    rcPolyMesh& polygons = *parts.polygons;
    if (polygons.npolys == 0) return false;
    for (int i = 0; i < polygons.npolys; ++i) polygons.flags[i] = WALK;

    dtNavMeshCreateParams params{};
    params.verts = polygons.verts;
    params.vertCount = polygons.nverts;
    params.polys = polygons.polys;
    params.polyAreas = polygons.areas;
    params.polyFlags = polygons.flags;
    params.polyCount = polygons.npolys;
    params.nvp = polygons.nvp;
    params.detailMeshes = parts.detail->meshes;
    params.detailVerts = parts.detail->verts;
    params.detailVertsCount = parts.detail->nverts;
    params.detailTris = parts.detail->tris;
    params.detailTriCount = parts.detail->ntris;
    params.walkableHeight = agent.height;
    params.walkableRadius = agent.radius;
    params.walkableClimb = agent.climb;
    rcVcopy(params.bmin, polygons.bmin);
    rcVcopy(params.bmax, polygons.bmax);
    params.cs = config.cs;
    params.ch = config.ch;
    params.buildBvTree = true;
    unsigned char* data = nullptr;
    int size = 0;
    if (!dtCreateNavMeshData(&params, &data, &size)) return false;
    navigation = dtAllocNavMesh();
    if (!navigation || dtStatusFailed(navigation->init(data, size, DT_TILE_FREE_DATA))) {
        dtFree(data);
        return false;
    }
    query = dtAllocNavMeshQuery();
    if (!query || dtStatusFailed(query->init(navigation, LONGEST_WAY))) return false;
    tile = static_cast<const dtNavMesh*>(navigation)->getTile(0);
    base = navigation->getPolyRefBase(tile);
    reached.assign(size_t(count()), false);
    return true;
}

template <typename Visit> void WalkableFloor::Mesh::eachTriangleOf(int i, Visit visit) const {
    const dtPoly& p = polygon(i);
    const dtPolyDetail& d = tile->detailMeshes[i];
    for (int j = 0; j < d.triCount; ++j) {
        const unsigned char* t = &tile->detailTris[(d.triBase + unsigned(j)) * 4];
        core::vector3df corner[3];
        for (int k = 0; k < 3; ++k)
            corner[k] = t[k] < p.vertCount ? vector(&tile->verts[p.verts[t[k]] * 3])
                                           : vector(&tile->detailVerts[(d.vertBase + t[k] - p.vertCount) * 3]);
        visit(core::triangle3df(corner[0], corner[1], corner[2]));
    }
}

template <typename Visit> void WalkableFloor::Mesh::eachNeighbour(int i, Visit visit) const {
    for (unsigned int link = polygon(i).firstLink; link != DT_NULL_LINK; link = tile->links[link].next) {
        const dtMeshTile* other = nullptr;
        const dtPoly* neighbour = nullptr;
        navigation->getTileAndPolyByRefUnsafe(tile->links[link].ref, &other, &neighbour);
        if (other == tile) visit(int(neighbour - tile->polys));
    }
}

dtPolyRef WalkableFloor::Mesh::nearest(const core::aabbox3df& box, const dtQueryFilter& filter,
                                       core::vector3df* at) const {
    if (!query) return 0;
    const core::vector3df centre = box.getCenter(), half = box.getExtent() / 2;
    const float c[3] = {centre.X, centre.Y, centre.Z}, h[3] = {half.X, half.Y, half.Z};
    dtPolyRef ref = 0;
    float point[3];
    if (dtStatusFailed(query->findNearestPoly(c, h, &filter, &ref, point)) || !ref) return 0;
    // The nearest place may lie just outside the box, on a polygon reaching into it.
    const core::vector3df found = vector(point);
    const float slack = 0.01f;
    if (!core::aabbox3df(box.MinEdge - slack, box.MaxEdge + slack).isPointInside(found)) return 0;
    *at = found;
    return ref;
}

WalkableFloor::WalkableFloor(const std::vector<core::triangle3df>& triangles, const AgentSize& agent, float cellSize)
    : mesh(new Mesh()) {
    if (!mesh->build(triangles, agent, cellSize)) mesh.reset(new Mesh());
}

WalkableFloor::~WalkableFloor() = default;

bool WalkableFloor::spreadFrom(const core::vector3df& feet) {
    dtQueryFilter anywhere;
    anywhere.setIncludeFlags(WALK);
    core::vector3df at;
    // The feet may stand a little off the floor's polygons (a start dropped from above, the
    // floor's edge eroded by the capsule's radius).
    const core::vector3df reach(1.0f, 0.5f, 1.0f);
    const dtPolyRef start = mesh->nearest(core::aabbox3df(feet - reach * 2, feet + reach * 2), anywhere, &at);
    if (!start) return false;
    std::vector<int> pending{int(start - mesh->base)};
    mesh->reached[size_t(pending.back())] = true;
    while (!pending.empty()) {
        const int i = pending.back();
        pending.pop_back();
        mesh->navigation->setPolyFlags(mesh->base | dtPolyRef(i), WALK | REACHED);
        mesh->eachNeighbour(i, [&](int n) {
            if (mesh->reached[size_t(n)]) return;
            mesh->reached[size_t(n)] = true;
            pending.push_back(n);
        });
    }
    return true;
}

bool WalkableFloor::reachedIn(const core::aabbox3df& box, core::vector3df* at) const {
    dtQueryFilter reachedOnly;
    reachedOnly.setIncludeFlags(REACHED);
    return mesh->nearest(box, reachedOnly, at) != 0;
}

bool WalkableFloor::floorIn(const core::aabbox3df& box, core::vector3df* at) const {
    dtQueryFilter anywhere;
    anywhere.setIncludeFlags(WALK);
    return mesh->nearest(box, anywhere, at) != 0;
}

std::vector<core::vector3df> WalkableFloor::way(const core::vector3df& from, const core::vector3df& to) const {
    std::vector<core::vector3df> corners;
    dtQueryFilter anywhere;
    anywhere.setIncludeFlags(WALK);
    const core::vector3df near(0.5f, 0.5f, 0.5f);
    core::vector3df a, b;
    const dtPolyRef start = mesh->nearest(core::aabbox3df(from - near, from + near), anywhere, &a);
    const dtPolyRef end = mesh->nearest(core::aabbox3df(to - near, to + near), anywhere, &b);
    if (!start || !end) return corners;
    const float s[3] = {a.X, a.Y, a.Z}, e[3] = {b.X, b.Y, b.Z};
    std::vector<dtPolyRef> polygons(LONGEST_WAY);
    int length = 0;
    mesh->query->findPath(start, end, s, e, &anywhere, polygons.data(), &length, LONGEST_WAY);
    if (length == 0 || polygons[size_t(length - 1)] != end) return corners;  // none, or only part of the way
    std::vector<float> points(size_t(LONGEST_WAY) * 3);
    int cornerCount = 0;
    mesh->query->findStraightPath(s, e, polygons.data(), length, points.data(), nullptr, nullptr, &cornerCount,
                                  LONGEST_WAY);
    for (int i = 0; i < cornerCount; ++i) corners.push_back(vector(&points[size_t(i) * 3]));
    return corners;
}

std::vector<WalkableFloor::Piece> WalkableFloor::unreachedPieces() const {
    std::vector<Piece> pieces;
    std::vector<bool> seen = mesh->reached;
    for (int first = 0; first < mesh->count(); ++first) {
        if (seen[size_t(first)]) continue;
        Piece piece{core::vector3df(), core::aabbox3df(), 0};
        float largest = -1;
        bool any = false;
        std::vector<int> pending{first};
        seen[size_t(first)] = true;
        while (!pending.empty()) {
            const int i = pending.back();
            pending.pop_back();
            float area = 0;
            mesh->eachTriangleOf(i, [&](const core::triangle3df& t) {
                area += t.getArea();
                for (const core::vector3df& p : {t.pointA, t.pointB, t.pointC}) {
                    if (any) piece.bounds.addInternalPoint(p); else piece.bounds.reset(p);
                    any = true;
                }
                if (t.getArea() > largest) largest = t.getArea(), piece.middle = (t.pointA + t.pointB + t.pointC) / 3;
            });
            piece.area += area;
            mesh->eachNeighbour(i, [&](int n) {
                if (!seen[size_t(n)]) seen[size_t(n)] = true, pending.push_back(n);
            });
        }
        pieces.push_back(piece);
    }
    return pieces;
}

float WalkableFloor::cellSize() const {
    if (!mesh->tile || mesh->tile->header->bvQuantFactor <= 0) return 0;
    return 1 / mesh->tile->header->bvQuantFactor;  // Detour keeps the cell size so
}

void WalkableFloor::eachTriangle(const std::function<void(const core::triangle3df&, bool)>& visit) const {
    for (int i = 0; i < mesh->count(); ++i)
        mesh->eachTriangleOf(i, [&](const core::triangle3df& t) { visit(t, mesh->reached[size_t(i)]); });
}
