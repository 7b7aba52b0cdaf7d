#pragma once
// How much of a frame's time the game's clocks count: the play clock (GetPlayTime) and the age
// of the line on screen. A frame that took longer (the first one, which covers loading and
// shader builds; a stall) counts as this long, so that neither jumps ahead of what was seen.

#include <irrlicht.h>

#include <algorithm>

namespace Graphics {

constexpr irr::s32 kLongestCountedFrameMs = 250;

inline irr::s32 countedFrameMs(irr::s32 frameMs) { return std::clamp<irr::s32>(frameMs, 0, kLongestCountedFrameMs); }

}  // namespace Graphics
