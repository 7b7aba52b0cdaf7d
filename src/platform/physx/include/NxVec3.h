#pragma once
// Single-precision 3-vector of the physics interface.

#include <cmath>

#include "NxSimpleTypes.h"

namespace vphysx {

class NxVec3 {
public:
    NxReal x, y, z;

    NxVec3() : x(0), y(0), z(0) {}
    NxVec3(NxReal ax, NxReal ay, NxReal az) : x(ax), y(ay), z(az) {}

    void set(NxReal ax, NxReal ay, NxReal az) { x = ax; y = ay; z = az; }
    void zero() { x = y = z = 0; }

    NxVec3 operator+(const NxVec3& v) const { return NxVec3(x + v.x, y + v.y, z + v.z); }
    NxVec3 operator-(const NxVec3& v) const { return NxVec3(x - v.x, y - v.y, z - v.z); }
    NxVec3 operator-() const { return NxVec3(-x, -y, -z); }
    NxVec3 operator*(NxReal s) const { return NxVec3(x * s, y * s, z * s); }
    NxVec3& operator+=(const NxVec3& v) { x += v.x; y += v.y; z += v.z; return *this; }
    NxVec3& operator-=(const NxVec3& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
    NxVec3& operator*=(NxReal s) { x *= s; y *= s; z *= s; return *this; }
    bool operator==(const NxVec3& v) const { return x == v.x && y == v.y && z == v.z; }
    bool operator!=(const NxVec3& v) const { return !(*this == v); }

    NxReal dot(const NxVec3& v) const { return x * v.x + y * v.y + z * v.z; }
    NxVec3 cross(const NxVec3& v) const
    {
        return NxVec3(y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x);
    }
    NxReal magnitudeSquared() const { return dot(*this); }
    NxReal magnitude() const { return std::sqrt(magnitudeSquared()); }
    NxReal distance(const NxVec3& v) const { return (*this - v).magnitude(); }

    // Scales to unit length and returns the old length; a zero vector stays zero.
    NxReal normalize()
    {
        NxReal m = magnitude();
        if (m > 0) *this *= 1 / m;
        return m;
    }

    bool isFinite() const { return std::isfinite(x) && std::isfinite(y) && std::isfinite(z); }
};

inline NxVec3 operator*(NxReal s, const NxVec3& v) { return v * s; }

}  // namespace vphysx
