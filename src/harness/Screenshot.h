#pragma once
// Back-buffer screenshots. Software OpenGL returns black from the front buffer, so the pixels
// are read after the scene is drawn and before the frame is shown.

#include <irrlicht.h>

#include <string>
#include <vector>

struct Snapshot {
    irr::u32 width = 0;
    irr::u32 height = 0;
    std::vector<irr::u32> argb;  // row 0 is the top of the window

    irr::video::SColor at(irr::u32 x, irr::u32 y) const { return argb[y * width + x]; }
    // Mean brightness (0..255) of the rectangle [x0, x1) x [y0, y1).
    float brightness(irr::u32 x0, irr::u32 y0, irr::u32 x1, irr::u32 y1) const;
    // Share (0..1) of the rectangle's pixels with a channel brighter than `level` (0..255).
    float litShare(irr::u32 x0, irr::u32 y0, irr::u32 x1, irr::u32 y1, irr::u32 level) const;
};

// Reads the back buffer of the current OpenGL frame; call only while a frame is being drawn.
Snapshot readBackBuffer();

bool savePng(const Snapshot& shot, const std::string& file);

// Runs one frame of the game and returns what it drew (empty if the frame drew nothing).
Snapshot captureFrame();
