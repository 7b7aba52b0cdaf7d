#pragma once
// Judges a shader set before it draws a frame: one small square drawn with it, fed the most
// waves the shaders take, all crossing it; what that costs, scaled up to the window's pixels, is
// what a whole frame would cost at worst. A shader that loops for long per pixel shows here in
// milliseconds instead of in a first frame of minutes. The square is painted over before the
// probe frame is shown.

#include <irrlicht.h>

namespace Graphics {

class ShaderCallback;

// msec a whole frame drawn with `material` would cost (see DrawCost.h); `callback` is the set's.
double probeFrameCostMs(irr::video::IVideoDriver* driver, irr::video::E_MATERIAL_TYPE material,
                        ShaderCallback& callback);

}  // namespace Graphics
