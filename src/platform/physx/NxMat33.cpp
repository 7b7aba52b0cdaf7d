#include "NxMat33.h"

#include <cmath>

namespace vphysx {

void NxMat33::id()
{
    rows[0].set(1, 0, 0);
    rows[1].set(0, 1, 0);
    rows[2].set(0, 0, 1);
}

NxVec3 NxMat33::getColumn(int column) const
{
    return NxVec3((*this)(0, column), (*this)(1, column), (*this)(2, column));
}

NxMat33 NxMat33::operator*(const NxMat33& m) const
{
    NxMat33 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r(i, j) = rows[i].dot(m.getColumn(j));
    return r;
}

NxVec3 NxMat33::operator*(const NxVec3& v) const
{
    return NxVec3(rows[0].dot(v), rows[1].dot(v), rows[2].dot(v));
}

NxMat33 NxMat33::getTransposed() const
{
    return NxMat33(getColumn(0), getColumn(1), getColumn(2));
}

void NxMat33::fromQuat(const NxQuat& q)
{
    double n = double(q.x) * q.x + double(q.y) * q.y + double(q.z) * q.z + double(q.w) * q.w;
    double s = n > 0 ? 2.0 / n : 0.0;
    double xx = q.x * q.x * s, yy = q.y * q.y * s, zz = q.z * q.z * s;
    double xy = q.x * q.y * s, xz = q.x * q.z * s, yz = q.y * q.z * s;
    double wx = q.w * q.x * s, wy = q.w * q.y * s, wz = q.w * q.z * s;
    rows[0].set(NxReal(1 - yy - zz), NxReal(xy - wz), NxReal(xz + wy));
    rows[1].set(NxReal(xy + wz), NxReal(1 - xx - zz), NxReal(yz - wx));
    rows[2].set(NxReal(xz - wy), NxReal(yz + wx), NxReal(1 - xx - yy));
}

void NxMat33::toQuat(NxQuat& q) const
{
    const NxMat33& m = *this;
    double trace = double(m(0, 0)) + m(1, 1) + m(2, 2);
    double x, y, z, w;
    if (trace > 0) {
        double s = std::sqrt(trace + 1.0) * 2;
        w = 0.25 * s;
        x = (m(2, 1) - m(1, 2)) / s;
        y = (m(0, 2) - m(2, 0)) / s;
        z = (m(1, 0) - m(0, 1)) / s;
    } else if (m(0, 0) > m(1, 1) && m(0, 0) > m(2, 2)) {
        double s = std::sqrt(1.0 + m(0, 0) - m(1, 1) - m(2, 2)) * 2;
        w = (m(2, 1) - m(1, 2)) / s;
        x = 0.25 * s;
        y = (m(0, 1) + m(1, 0)) / s;
        z = (m(0, 2) + m(2, 0)) / s;
    } else if (m(1, 1) > m(2, 2)) {
        double s = std::sqrt(1.0 + m(1, 1) - m(0, 0) - m(2, 2)) * 2;
        w = (m(0, 2) - m(2, 0)) / s;
        x = (m(0, 1) + m(1, 0)) / s;
        y = 0.25 * s;
        z = (m(1, 2) + m(2, 1)) / s;
    } else {
        double s = std::sqrt(1.0 + m(2, 2) - m(0, 0) - m(1, 1)) * 2;
        w = (m(1, 0) - m(0, 1)) / s;
        x = (m(0, 2) + m(2, 0)) / s;
        y = (m(1, 2) + m(2, 1)) / s;
        z = 0.25 * s;
    }
    q.setXYZW(NxReal(x), NxReal(y), NxReal(z), NxReal(w));
}

}  // namespace vphysx
