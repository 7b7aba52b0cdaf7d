#pragma once
// Double-precision position, used for character controllers.

#include <cmath>

#include "NxVec3.h"

namespace vphysx {

class NxExtendedVec3 {
public:
    NxExtended x, y, z;

    NxExtendedVec3() : x(0), y(0), z(0) {}
    NxExtendedVec3(NxExtended ax, NxExtended ay, NxExtended az) : x(ax), y(ay), z(az) {}

    void set(NxExtended ax, NxExtended ay, NxExtended az) { x = ax; y = ay; z = az; }
    bool isFinite() const { return std::isfinite(x) && std::isfinite(y) && std::isfinite(z); }
};

}  // namespace vphysx
