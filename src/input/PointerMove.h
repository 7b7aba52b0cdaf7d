#pragma once
// The mouse's moves, taken from the pointer that is kept at the window's centre. Reading the
// pointer and putting it back are one step: the pointer is moved back by exactly the offset
// read, relative to wherever it is by then, so a move the window system delivers in between stays
// on the pointer for the next reading instead of being lost.

#include <irrlicht.h>

// The pointer's offset from `centre` (window pixels) into `move`, the pointer put back by it.
// False when the window system has no such step; nothing is read or moved then.
bool takePointerMove(irr::IrrlichtDevice& device, const irr::core::position2di& centre,
                     irr::core::vector2di& move);
