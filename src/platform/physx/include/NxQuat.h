#pragma once
// Orientation quaternion (x, y, z, w), w the scalar part.

#include <cmath>

#include "NxSimpleTypes.h"

namespace vphysx {

class NxQuat {
public:
    NxReal x, y, z, w;

    NxQuat() : x(0), y(0), z(0), w(1) {}
    NxQuat(NxReal ax, NxReal ay, NxReal az, NxReal aw) : x(ax), y(ay), z(az), w(aw) {}

    void id() { x = y = z = 0; w = 1; }
    void setXYZW(NxReal ax, NxReal ay, NxReal az, NxReal aw) { x = ax; y = ay; z = az; w = aw; }
    NxReal magnitude() const { return std::sqrt(x * x + y * y + z * z + w * w); }
    bool isFinite() const
    {
        return std::isfinite(x) && std::isfinite(y) && std::isfinite(z) && std::isfinite(w);
    }
};

}  // namespace vphysx
