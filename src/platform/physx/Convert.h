#pragma once
// Conversions between the interface's value types and Bullet's.

#include <LinearMath/btTransform.h>

#include "NxExtendedVec3.h"
#include "NxMat34.h"

namespace vphysx {

inline btVector3 toBullet(const NxVec3& v) { return btVector3(v.x, v.y, v.z); }
inline btVector3 toBullet(const NxExtendedVec3& v) { return btVector3(v.x, v.y, v.z); }
inline btQuaternion toBullet(const NxQuat& q) { return btQuaternion(q.x, q.y, q.z, q.w).normalized(); }

inline btMatrix3x3 toBullet(const NxMat33& m)
{
    return btMatrix3x3(m(0, 0), m(0, 1), m(0, 2), m(1, 0), m(1, 1), m(1, 2), m(2, 0), m(2, 1), m(2, 2));
}

inline btTransform toBullet(const NxMat34& pose) { return btTransform(toBullet(pose.M), toBullet(pose.t)); }

inline NxVec3 toNx(const btVector3& v) { return NxVec3(NxReal(v.x()), NxReal(v.y()), NxReal(v.z())); }
inline NxExtendedVec3 toNxExtended(const btVector3& v) { return NxExtendedVec3(v.x(), v.y(), v.z()); }
inline NxQuat toNx(const btQuaternion& q)
{
    return NxQuat(NxReal(q.x()), NxReal(q.y()), NxReal(q.z()), NxReal(q.w()));
}

inline NxMat33 toNx(const btMatrix3x3& m)
{
    return NxMat33(toNx(m.getRow(0)), toNx(m.getRow(1)), toNx(m.getRow(2)));
}

}  // namespace vphysx
