#pragma once
#include <irrlicht.h>

// The desktop resolution the game's window is opened at. 0x0 when there is no display at all.
// On Linux: Irrlicht's video mode list, or where that reports 0x0 (as under a virtual X server)
// the X display's own size. On Windows: the primary screen's size from the system metrics.
irr::core::dimension2du desktopSize();
