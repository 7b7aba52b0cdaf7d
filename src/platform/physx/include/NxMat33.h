#pragma once
// 3x3 rotation matrix, stored and indexed by rows: (row, column).

#include "NxQuat.h"
#include "NxVec3.h"

namespace vphysx {

class NxMat33 {
public:
    NxMat33() { id(); }
    NxMat33(const NxVec3& row0, const NxVec3& row1, const NxVec3& row2) : rows{row0, row1, row2} {}
    explicit NxMat33(const NxQuat& q) { fromQuat(q); }

    void id();
    void setRow(int row, const NxVec3& v) { rows[row] = v; }
    const NxVec3& getRow(int row) const { return rows[row]; }
    NxVec3 getColumn(int column) const;
    NxReal& operator()(int row, int column) { return (&rows[row].x)[column]; }
    NxReal operator()(int row, int column) const { return (&rows[row].x)[column]; }

    NxMat33 operator*(const NxMat33& m) const;
    NxVec3 operator*(const NxVec3& v) const;
    NxMat33 getTransposed() const;

    void fromQuat(const NxQuat& q);     // q need not be normalised
    void toQuat(NxQuat& q) const;        // of a rotation matrix
    bool isFinite() const { return rows[0].isFinite() && rows[1].isFinite() && rows[2].isFinite(); }

private:
    NxVec3 rows[3];
};

}  // namespace vphysx
