#pragma once
// Debug geometry of the last simulation step, colours in A8R8G8B8. Empty unless the SDK's
// NX_VISUALIZATION_SCALE and NX_VISUALIZE_COLLISION_SHAPES are set.

#include <vector>

#include "NxVec3.h"

namespace vphysx {

struct NxDebugLine {
    NxVec3 p0, p1;
    NxU32 color;
};

struct NxDebugTriangle {
    NxVec3 p0, p1, p2;
    NxU32 color;
};

class NxDebugRenderable {
public:
    NxU32 getNbLines() const { return NxU32(lines.size()); }
    const NxDebugLine* getLines() const { return lines.data(); }
    NxU32 getNbTriangles() const { return NxU32(triangles.size()); }
    const NxDebugTriangle* getTriangles() const { return triangles.data(); }

    void clear() { lines.clear(); triangles.clear(); }
    void addLine(const NxDebugLine& line) { lines.push_back(line); }
    void addTriangle(const NxDebugTriangle& triangle) { triangles.push_back(triangle); }

private:
    std::vector<NxDebugLine> lines;
    std::vector<NxDebugTriangle> triangles;
};

}  // namespace vphysx
