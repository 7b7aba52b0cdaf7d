// The emitter's analysed sound: which 100 ms slot is playing, whether it just became loud, and
// its colour.

#include "sound/CIrrKlangSceneNode.h"

#include "level/ContentPath.h"
#include "sound/SoundAnalysisReader.h"

using namespace irr;

bool CIrrKlangSceneNode::loadAnalysis() {
    analysisLevels.clear();
    analysisColours.clear();
    // The analysis file leads no further than its sound: the level check keeps a level's sounds
    // inside the game folder, and a link beside one must not lead out of it.
    const core::stringc file = analysisFileName(SoundFileName);
    std::string problem = insideGameFolder(SoundFileName.c_str()) ? gameFolderProblem(file.c_str()) : std::string();
    if (!problem.empty()) {
        reportUnusedAnalysis(file.c_str(), getName(), problem + " and is not used");
        return false;
    }
    readSoundAnalysis(file.c_str(), analysisLevels, analysisColours, getName());
    return !analysisLevels.empty();
}

s32 CIrrKlangSceneNode::nextSlot() const {
    if (!sound)
        return -1;
    s32 n = s32(analysisLevels.size());
    u32 playing = sound->getPlayPosition() / 100;
    if (playing >= u32(n))
        return -1;
    // The slot that ended last; in the first 100 ms that is the end of the previous pass.
    s32 ended = (playing == 0 ? n : s32(playing)) - 1;
    return slots.nextSlot(ended, n);
}

bool CIrrKlangSceneNode::crossedThreshold() {
    s32 slot = nextSlot();
    return slot >= 0 && slots.judge(analysisLevels, Threshold, slot);
}

core::vector3df CIrrKlangSceneNode::currentColour() const {
    // A reload with fewer slots can leave the last judged slot behind the list's end.
    const s32 last = slots.lastSlotIndex;
    if (last < 0 || size_t(last) >= analysisColours.size())
        return EffectColor;
    return analysisColours[size_t(last)];
}
