#pragma once
// The viewport cut into screen tiles for the wave-lit drawing: 160 x 120 pixels for a few waves,
// 80 x 60 for more (8 x 6 and 16 x 12 tiles at 1280 x 720). A draw costs about as much as
// several thousand pixel-waves on the software rasteriser, so finer tiles do not pay.

#include "graphics/WaveCulling.h"

#include <irrlicht.h>

namespace Graphics {

// A block of tiles, first to last inclusive.
struct TileRange {
    int firstColumn, lastColumn, firstRow, lastRow;
};

class TileGrid {
public:
    // `targetHeight`: of the render target, which scissor rectangles count from the bottom of.
    TileGrid(const irr::core::rect<irr::s32>& viewport, irr::s32 targetHeight, int liveWaves);

    TileRange all() const { return TileRange{0, columns - 1, 0, rows - 1}; }
    long tilePixels() const { return static_cast<long>(width * height) / (columns * rows); }
    // The tiles whose pixels something seen inside the box [low, high] (normalised device
    // coordinates) can touch.
    TileRange covering(const irr::f32 low[2], const irr::f32 high[2]) const;
    // A tile's area in normalised device coordinates, widened by a pixel, so that no pixel the
    // rasteriser puts in the tile falls outside it.
    ScreenRect area(int column, int row) const;
    // Limits drawing to the pixels of these tiles (the scissor test must be on).
    void scissor(const TileRange& block) const;

private:
    irr::s32 left(int column) const;
    irr::s32 bottom(int row) const;

    irr::core::rect<irr::s32> viewport;
    irr::s32 targetHeight;
    int columns, rows;
    irr::f32 width, height;
};

}  // namespace Graphics
