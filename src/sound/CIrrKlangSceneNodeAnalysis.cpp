// The emitter's analysed sound: which 100 ms slot is playing, whether it just became loud, and
// its colour.

#include "sound/CIrrKlangSceneNode.h"
#include "sound/SoundAnalysisReader.h"

using namespace irr;

bool CIrrKlangSceneNode::loadAnalysis() {
    analysisLevels.clear();
    analysisColours.clear();
    readSoundAnalysis(analysisFileName(SoundFileName).c_str(), analysisLevels, analysisColours);
    return !analysisLevels.empty();
}

s32 CIrrKlangSceneNode::nextSlot() const {
    if (!sound)
        return -1;
    s32 n = s32(analysisLevels.size());
    u32 slot = sound->getPlayPosition() / 100;
    if (slot >= u32(n))
        return -1;
    // The slot that ended last; in the first 100 ms that is the end of the previous pass.
    s32 ended = (slot == 0 ? n : s32(slot)) - 1;
    if (ended == lastSlotIndex)
        return -1;
    // The first judgement takes the latest slot only: the ones before it never played.
    if (!slotJudged || lastSlotIndex < 0 || lastSlotIndex >= n)
        return ended;
    return (lastSlotIndex + 1) % n;
}

bool CIrrKlangSceneNode::crossedThreshold() {
    s32 idx = nextSlot();
    if (idx < 0)
        return false;
    s32 n = s32(analysisLevels.size());
    f32 previous = analysisLevels[size_t((n + idx - 1) % n)];
    f32 current = analysisLevels[size_t(idx)];
    bool rose = (lastSlotIndex == 0 || previous < Threshold) && current >= Threshold;
    lastSlotIndex = idx;
    slotJudged = true;
    return rose;
}

core::vector3df CIrrKlangSceneNode::currentColour() const {
    // A reload with fewer slots can leave the last judged slot behind the list's end.
    if (lastSlotIndex < 0 || size_t(lastSlotIndex) >= analysisColours.size())
        return EffectColor;
    return analysisColours[size_t(lastSlotIndex)];
}
