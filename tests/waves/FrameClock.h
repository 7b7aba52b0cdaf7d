#pragma once
// Waves age by the graphics system's frame time; tests run it on the null driver (no display)
// and set the frame time by hand.

#include "graphics/GraphicsSystem.h"

inline void setFrameTime(irr::s32 ms) {
    GraphicsSystem::useDriver(irr::video::EDT_NULL);
    GraphicsSystem::instance().frameTime = ms;
}
