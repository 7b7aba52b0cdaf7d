#include "sound/SlotJudge.h"

using namespace irr;

s32 SlotJudge::nextSlot(s32 ended, s32 slotCount) const {
    // A reload with fewer slots leaves the last judged one behind the end: start afresh.
    if (!slotJudged || lastSlotIndex < 0 || lastSlotIndex >= slotCount)
        return ended;
    if (ended == lastSlotIndex)
        return -1;
    return (lastSlotIndex + 1) % slotCount;
}

bool SlotJudge::judge(const std::vector<f32>& levels, f32 threshold, s32 slot) {
    const s32 n = s32(levels.size());
    const bool askSlotBefore = slotJudged && lastSlotIndex != 0;
    const bool quietBefore = levels[size_t((slot + n - 1) % n)] < threshold;
    lastSlotIndex = slot;
    slotJudged = true;
    return levels[size_t(slot)] >= threshold && (!askSlotBefore || quietBefore);
}
