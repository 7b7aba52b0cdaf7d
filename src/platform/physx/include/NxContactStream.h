#pragma once
// The contact stream of a reported pair: shape pairs, each with patches of points that share a
// normal, and the iterator that walks it. Positions are in world space.

#include <vector>

#include "NxVec3.h"

namespace vphysx {

class NxShape;

struct NxContactPoint {
    NxVec3 point;
    NxReal separation;  // negative when the shapes overlap
};

struct NxContactPatch {
    NxVec3 normal;  // from the second shape towards the first
    std::vector<NxContactPoint> points;
};

struct NxContactShapePair {
    NxShape* shapes[2];
    std::vector<NxContactPatch> patches;
};

typedef const std::vector<NxContactShapePair>* NxConstContactStream;

// Starts before the first pair; each goNext moves on and tells whether there was one.
class NxContactStreamIterator {
public:
    explicit NxContactStreamIterator(NxConstContactStream stream) : pairs(stream) {}

    bool goNextPair();
    bool goNextPatch();
    bool goNextPoint();

    NxU32 getNbPairs() const { return pairs ? NxU32(pairs->size()) : 0; }
    NxShape* getShape(int index) const { return pair().shapes[index]; }
    NxU32 getNbPatches() const { return NxU32(pair().patches.size()); }
    const NxVec3& getPatchNormal() const { return patch().normal; }
    NxU32 getNbPoints() const { return NxU32(patch().points.size()); }
    const NxVec3& getPoint() const { return patch().points[pointIndex].point; }
    NxReal getSeparation() const { return patch().points[pointIndex].separation; }

private:
    const NxContactShapePair& pair() const { return (*pairs)[pairIndex]; }
    const NxContactPatch& patch() const { return pair().patches[patchIndex]; }

    NxConstContactStream pairs;
    int pairIndex = -1;
    int patchIndex = -1;
    int pointIndex = -1;
};

}  // namespace vphysx
