#include "physics/PhysicsSystem.h"

#include <algorithm>
#include <cmath>

using namespace irr;
using vphysx::NxQuat;

namespace {

const float DEGREES_TO_RADIANS = 0.017453292f;
const float RADIANS_TO_DEGREES = 57.29578f;

}  // namespace

NxQuat PhysicsSystem::eulerDegreesToQuat(const core::vector3df& degrees) {
    float hx = degrees.X * DEGREES_TO_RADIANS / 2;
    float hy = degrees.Y * DEGREES_TO_RADIANS / 2;
    float hz = degrees.Z * DEGREES_TO_RADIANS / 2;
    float cx = std::cos(hx), sx = std::sin(hx);
    float cy = std::cos(hy), sy = std::sin(hy);
    float cz = std::cos(hz), sz = std::sin(hz);
    return NxQuat(sx * cy * cz - cx * sy * sz, cx * sy * cz + sx * cy * sz, cx * cy * sz - sx * sy * cz,
                  cx * cy * cz + sx * sy * sz);
}

core::vector3df PhysicsSystem::quatToEulerDegrees(const NxQuat& q) {
    float xx = q.x * q.x, yy = q.y * q.y, zz = q.z * q.z, ww = q.w * q.w;
    float x = std::atan2(2 * (q.y * q.z + q.x * q.w), ww - xx - yy + zz);
    // Rounding can carry the sine a hair past 1 at a quarter turn; asin would give NaN.
    float y = std::asin(std::clamp(-2 * (q.x * q.z - q.y * q.w), -1.0f, 1.0f));
    float z = std::atan2(2 * (q.x * q.y + q.w * q.z), ww + xx - yy - zz);
    return core::vector3df(x, y, z) * RADIANS_TO_DEGREES;
}
