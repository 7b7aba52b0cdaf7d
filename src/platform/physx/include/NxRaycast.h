#pragma once
// Ray queries: a ray, what it reports at each shape it meets, and who listens.

#include "NxVec3.h"

namespace vphysx {

class NxShape;

const NxReal NX_MAX_F32 = 3.402823466e+38f;

// Which actors a query meets: static ones, ones with a body (kinematic or not), or both.
enum NxShapesType {
    NX_STATIC_SHAPES = 1 << 0,
    NX_DYNAMIC_SHAPES = 1 << 1,
    NX_ALL_SHAPES = NX_STATIC_SHAPES | NX_DYNAMIC_SHAPES,
};

struct NxRay {
    NxVec3 orig;
    NxVec3 dir;  // unit length

    NxRay() = default;
    NxRay(const NxVec3& origin, const NxVec3& direction) : orig(origin), dir(direction) {}
};

struct NxRaycastHit {
    NxShape* shape = nullptr;
    NxVec3 worldImpact;
    NxVec3 worldNormal;  // unit length, on the side the ray came from or the other
    NxReal distance = 0;  // from the ray's origin
};

class NxUserRaycastReport {
public:
    // Once per surface the ray crosses, in no particular order; false ends the query.
    virtual bool onHit(const NxRaycastHit& hit) = 0;

protected:
    virtual ~NxUserRaycastReport() {}
};

}  // namespace vphysx
