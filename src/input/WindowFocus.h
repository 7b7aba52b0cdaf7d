#pragma once
// Whether the game's window has the keyboard focus, asked of the window system. On X: our window,
// or the focus following the pointer (PointerRoot) with the pointer inside our window; Irrlicht's
// own flag turns true only on a FocusIn event, which nobody sends on an X server without a window
// manager. On Windows: our window is the foreground window. Without a window of ours (the null
// driver) Irrlicht's flag answers.

#include <irrlicht.h>

bool windowHasFocus(irr::IrrlichtDevice& device);
