#pragma once
// Rigid pose: rotation M, then translation t.

#include "NxMat33.h"

namespace vphysx {

class NxMat34 {
public:
    NxMat33 M;
    NxVec3 t;

    NxMat34() {}
    NxMat34(const NxMat33& rotation, const NxVec3& translation) : M(rotation), t(translation) {}

    void id() { M.id(); t.zero(); }
    NxVec3 operator*(const NxVec3& v) const { return M * v + t; }
};

}  // namespace vphysx
