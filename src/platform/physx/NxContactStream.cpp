#include "NxContactStream.h"

namespace vphysx {

bool NxContactStreamIterator::goNextPair()
{
    if (!pairs || pairIndex + 1 >= int(pairs->size())) return false;
    ++pairIndex;
    patchIndex = pointIndex = -1;
    return true;
}

bool NxContactStreamIterator::goNextPatch()
{
    if (pairIndex < 0 || patchIndex + 1 >= int(pair().patches.size())) return false;
    ++patchIndex;
    pointIndex = -1;
    return true;
}

bool NxContactStreamIterator::goNextPoint()
{
    if (patchIndex < 0 || pointIndex + 1 >= int(patch().points.size())) return false;
    ++pointIndex;
    return true;
}

}  // namespace vphysx
