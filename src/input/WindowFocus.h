#pragma once
// Whether the game's window has the keyboard focus, asked of the X server: our window, or the
// focus following the pointer (PointerRoot) with the pointer inside our window. Irrlicht's own
// flag turns true only on a FocusIn event, which nobody sends on an X server without a window
// manager. Without an X window (the null driver) Irrlicht's flag answers.

#include <irrlicht.h>

bool windowHasFocus(irr::IrrlichtDevice& device);
