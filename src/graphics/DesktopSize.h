#pragma once
#include <irrlicht.h>

// The desktop resolution from Irrlicht's video mode list; where that reports 0x0 (as under a
// virtual X server), the X display's own size. 0x0 when there is no display at all.
irr::core::dimension2du desktopSize();
