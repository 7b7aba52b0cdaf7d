#pragma once
// Which waves can light a piece of geometry where it shows in one screen tile. A wave whose light
// is exactly zero on every point of the piece there adds +0 to each pixel, so leaving it out of
// that draw changes no pixel: the culling is exact as long as it keeps every wave that could
// add anything (it may keep a few that add nothing).

#include <irrlicht.h>

namespace Graphics {

// A rectangle of the screen in normalised device coordinates (-1 .. 1, y up).
struct ScreenRect {
    irr::f32 left, bottom, right, top;
};

// The world points of a triangle that can show inside `rect` (and in front of the eye), as a
// convex polygon of up to 8 corners written to `out`; returns their number, 0 if none show.
int clipToRect(const irr::core::matrix4& viewProjection, const irr::core::vector3df triangle[3],
               const ScreenRect& rect, irr::core::vector3df out[8]);

// Nearest and farthest distance from `point` to a convex planar polygon.
struct DistanceRange {
    irr::f32 nearest, farthest;
};
DistanceRange distanceRange(const irr::core::vector3df* polygon, int count,
                            const irr::core::vector3df& point);

// Whether the nine-float wave record can light some point whose distance from its centre lies
// in `range`. A pulse lights radius - max(kFrontBehind, trail) < distance < radius + kFrontAhead,
// a glow (trail below 0) distance < radius + kFrontAhead (ShellFormula.h); a record of
// intensity 0 or colour 0 lights nothing, and one that is not finite is kept everywhere.
bool lights(const irr::f32* record, DistanceRange range);

}  // namespace Graphics
