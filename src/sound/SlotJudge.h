#pragma once
// The beat rule of an analysed sound. Its 100 ms slots are judged one at a time, in the order
// they end, each once per pass of the sound. A slot is a beat when it reaches the threshold and
// the slot before it in the sound stayed below. Two judgements do not ask the slot before: the
// very first (what played before it is unknown) and the one right after slot 0, which therefore
// beats whenever it is loud.

#include <irrlicht.h>

#include <vector>

struct SlotJudge {
    // The slot to judge next now that slot `ended` has ended last, or -1 when it has been judged.
    // The first judgement takes `ended` alone: the slots before it never played.
    irr::s32 nextSlot(irr::s32 ended, irr::s32 slotCount) const;
    // Judges `slot` of `levels` (one per slot) and remembers it; true for a beat.
    bool judge(const std::vector<irr::f32>& levels, irr::f32 threshold, irr::s32 slot);

    irr::s32 lastSlotIndex = 0;  // the slot judged last; its colour shows
    bool slotJudged = false;     // any slot judged yet
};
