#include "graphics/WaveCulling.h"

#include "graphics/ShellFormula.h"

#include <algorithm>
#include <cmath>

using namespace irr;

namespace Graphics {

namespace {

// The wake of a pulse reaches `trail` behind its radius, the front as ShellFormula.h says.
// Kept waves may light nothing; dropped ones must not: the shader measures in 32-bit floats
// from interpolated positions, so the test is widened by this much and a part per thousand.
const f32 SLACK = 0.01f;

struct ClipPoint {
    f32 clip[4];
    core::vector3df world;
};

// Sutherland-Hodgman against the half-space plane . clip >= 0, carrying the world points along:
// clip coordinates are linear in world ones, so one parameter serves both.
int clipAgainst(const ClipPoint* in, int count, const f32 plane[4], ClipPoint* out) {
    int n = 0;
    for (int i = 0; i < count; ++i) {
        const ClipPoint& a = in[i];
        const ClipPoint& b = in[(i + 1) % count];
        f32 da = plane[0] * a.clip[0] + plane[1] * a.clip[1] + plane[2] * a.clip[2] +
                 plane[3] * a.clip[3];
        f32 db = plane[0] * b.clip[0] + plane[1] * b.clip[1] + plane[2] * b.clip[2] +
                 plane[3] * b.clip[3];
        if (da >= 0) out[n++] = a;
        if ((da >= 0) != (db >= 0)) {
            f32 t = da / (da - db);
            ClipPoint& p = out[n++];
            for (int k = 0; k < 4; ++k) p.clip[k] = a.clip[k] + t * (b.clip[k] - a.clip[k]);
            p.world = a.world + (b.world - a.world) * t;
        }
    }
    return n;
}

// Closest point of triangle abc to p (Ericson, Real-Time Collision Detection, 5.1.5).
core::vector3df closestOnTriangle(const core::vector3df& p, const core::vector3df& a,
                                  const core::vector3df& b, const core::vector3df& c) {
    core::vector3df ab = b - a, ac = c - a, ap = p - a;
    f32 d1 = ab.dotProduct(ap), d2 = ac.dotProduct(ap);
    if (d1 <= 0 && d2 <= 0) return a;
    core::vector3df bp = p - b;
    f32 d3 = ab.dotProduct(bp), d4 = ac.dotProduct(bp);
    if (d3 >= 0 && d4 <= d3) return b;
    f32 vc = d1 * d4 - d3 * d2;
    if (vc <= 0 && d1 >= 0 && d3 <= 0) return a + ab * (d1 / (d1 - d3));
    core::vector3df cp = p - c;
    f32 d5 = ab.dotProduct(cp), d6 = ac.dotProduct(cp);
    if (d6 >= 0 && d5 <= d6) return c;
    f32 vb = d5 * d2 - d1 * d6;
    if (vb <= 0 && d2 >= 0 && d6 <= 0) return a + ac * (d2 / (d2 - d6));
    f32 va = d3 * d6 - d5 * d4;
    if (va <= 0 && (d4 - d3) >= 0 && (d5 - d6) >= 0)
        return b + (c - b) * ((d4 - d3) / ((d4 - d3) + (d5 - d6)));
    f32 denom = va + vb + vc;
    if (denom == 0) return a;
    return a + ab * (vb / denom) + ac * (vc / denom);
}

}  // namespace

int clipToRect(const core::matrix4& viewProjection, const core::vector3df triangle[3],
               const ScreenRect& rect, core::vector3df out[8]) {
    ClipPoint a[9], b[9];
    for (int i = 0; i < 3; ++i) {
        f32 v[4] = {triangle[i].X, triangle[i].Y, triangle[i].Z, 1.0f};
        viewProjection.multiplyWith1x4Matrix(v);
        for (int k = 0; k < 4; ++k) a[i].clip[k] = v[k];
        a[i].world = triangle[i];
    }
    // In front of the eye (w > 0; looser than any near plane), then inside the rectangle.
    const f32 planes[5][4] = {{0, 0, 0, 1},
                              {1, 0, 0, -rect.left},
                              {-1, 0, 0, rect.right},
                              {0, 1, 0, -rect.bottom},
                              {0, -1, 0, rect.top}};
    int n = 3;
    ClipPoint* in = a;
    ClipPoint* res = b;
    for (const auto& plane : planes) {
        n = clipAgainst(in, n, plane, res);
        if (n == 0) return 0;
        std::swap(in, res);
    }
    for (int i = 0; i < n; ++i) out[i] = in[i].world;
    return n;
}

DistanceRange distanceRange(const core::vector3df* polygon, int count,
                            const core::vector3df& point) {
    DistanceRange range{0, 0};
    if (count == 0) return range;
    f32 nearestSq = polygon[0].getDistanceFromSQ(point);
    f32 farthestSq = nearestSq;
    for (int i = 1; i < count; ++i) {
        f32 d = polygon[i].getDistanceFromSQ(point);
        farthestSq = std::max(farthestSq, d);
        nearestSq = std::min(nearestSq, d);
    }
    for (int i = 1; i + 1 < count; ++i)
        nearestSq = std::min(nearestSq,
                             closestOnTriangle(point, polygon[0], polygon[i], polygon[i + 1])
                                 .getDistanceFromSQ(point));
    range.nearest = std::sqrt(nearestSq);
    range.farthest = std::sqrt(farthestSq);
    return range;
}

bool lights(const f32* record, DistanceRange range) {
    for (int i = 0; i < 9; ++i)
        if (!std::isfinite(record[i])) return true;
    f32 radius = record[6], intensity = record[7], trail = record[8];
    if (intensity == 0 || (record[3] == 0 && record[4] == 0 && record[5] == 0)) return false;
    f32 slack = SLACK + 1e-3f * (std::fabs(radius) + range.farthest);
    if (range.nearest - slack >= radius + kFrontAhead) return false;
    if (trail < 0) return true;
    return range.farthest + slack > radius - std::max(kFrontBehind, trail);
}

}  // namespace Graphics
