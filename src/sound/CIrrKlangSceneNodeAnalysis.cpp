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

bool CIrrKlangSceneNode::crossedThreshold() {
    if (!sound)
        return false;
    s32 n = s32(analysisLevels.size());
    u32 slot = sound->getPlayPosition() / 100;
    if (slot >= u32(n))
        return false;
    // The slot that ended last; in the first 100 ms that is the end of the previous pass.
    s32 idx = (slot == 0 ? n : s32(slot)) - 1;
    if (idx == lastSlotIndex)
        return false;
    f32 previous = analysisLevels[size_t((n + idx - 1) % n)];
    f32 current = analysisLevels[size_t(idx)];
    bool rose = (lastSlotIndex == 0 || previous < Threshold) && current >= Threshold;
    lastSlotIndex = idx;
    return rose;
}

core::vector3df CIrrKlangSceneNode::currentColour() const {
    // A reload with fewer slots can leave the last judged slot behind the list's end.
    if (lastSlotIndex < 0 || size_t(lastSlotIndex) >= analysisColours.size())
        return EffectColor;
    return analysisColours[size_t(lastSlotIndex)];
}
