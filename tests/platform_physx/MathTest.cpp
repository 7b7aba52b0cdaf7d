// Rotation matrices and quaternions of the interface.

#include <gtest/gtest.h>

#include <NxMat34.h>

#include <cmath>

using namespace vphysx;

namespace {

void expectSameRotation(const NxQuat& a, const NxQuat& b)
{
    float dot = a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
    EXPECT_NEAR(std::fabs(dot), 1, 1e-6) << a.x << " " << a.y << " " << a.z << " " << a.w;
}

}  // namespace

TEST(Math, MatricesAndQuaternionsConvertBothWays)
{
    // Half turns take every branch of the conversion from a matrix.
    const NxQuat rotations[] = {NxQuat(1, 0, 0, 0),           NxQuat(0, 1, 0, 0),
                                NxQuat(0, 0, 1, 0),           NxQuat(0.0808047f, 0.4021985f, 0.3033718f, 0.8600422f),
                                NxQuat(0.6f, -0.48f, 0.64f, 0), NxQuat(0, 0, 0, 1)};
    for (const NxQuat& q : rotations) {
        NxQuat back;
        NxMat33(q).toQuat(back);
        expectSameRotation(back, q);
    }
}

TEST(Math, ProductsApplyTheRightFactorFirst)
{
    NxMat33 aboutZ(NxVec3(0, -1, 0), NxVec3(1, 0, 0), NxVec3(0, 0, 1));  // x to y
    NxMat33 aboutX(NxVec3(1, 0, 0), NxVec3(0, 0, -1), NxVec3(0, 1, 0));  // y to z
    NxVec3 v = (aboutX * aboutZ) * NxVec3(1, 0, 0);
    EXPECT_NEAR(v.z, 1, 1e-6);
    EXPECT_NEAR((aboutZ.getTransposed() * aboutZ)(0, 0), 1, 1e-6);
    NxMat34 pose(aboutZ, NxVec3(0, 0, 5));
    NxVec3 p = pose * NxVec3(1, 0, 0);
    EXPECT_NEAR(p.y, 1, 1e-6);
    EXPECT_NEAR(p.z, 5, 1e-6);
}
