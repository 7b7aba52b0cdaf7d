#include "graphics/TileGrid.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

using namespace irr;

namespace Graphics {

namespace {

// A scissor change and a draw cost more than a few waves at every pixel of a tile: up to this
// many waves the tiles are coarse.
const int FEW_WAVES = 8;
const core::dimension2di COARSE_TILE(160, 120), FINE_TILE(80, 60);
const f32 TILE_MARGIN_PIXELS = 1.0f;

}  // namespace

TileGrid::TileGrid(const core::rect<s32>& viewport, s32 targetHeight, int liveWaves)
    : viewport(viewport), targetHeight(targetHeight),
      width(static_cast<f32>(viewport.getWidth())),
      height(static_cast<f32>(viewport.getHeight())) {
    const core::dimension2di tile = liveWaves <= FEW_WAVES ? COARSE_TILE : FINE_TILE;
    columns = std::max(1, viewport.getWidth() / tile.Width);
    rows = std::max(1, viewport.getHeight() / tile.Height);
}

s32 TileGrid::left(int column) const { return static_cast<s32>(column * width / columns); }

s32 TileGrid::bottom(int row) const { return static_cast<s32>(row * height / rows); }

TileRange TileGrid::covering(const f32 low[2], const f32 high[2]) const {
    const f32 marginX = 2.0f * TILE_MARGIN_PIXELS / width;
    const f32 marginY = 2.0f * TILE_MARGIN_PIXELS / height;
    auto cell = [](f32 ndc, int cells) {
        return core::clamp(static_cast<int>(std::floor((ndc + 1.0f) * 0.5f * cells)), 0,
                           cells - 1);
    };
    return TileRange{cell(low[0] - marginX, columns), cell(high[0] + marginX, columns),
                     cell(low[1] - marginY, rows), cell(high[1] + marginY, rows)};
}

ScreenRect TileGrid::area(int column, int row) const {
    return ScreenRect{2.0f * (left(column) - TILE_MARGIN_PIXELS) / width - 1.0f,
                      2.0f * (bottom(row) - TILE_MARGIN_PIXELS) / height - 1.0f,
                      2.0f * (left(column + 1) + TILE_MARGIN_PIXELS) / width - 1.0f,
                      2.0f * (bottom(row + 1) + TILE_MARGIN_PIXELS) / height - 1.0f};
}

void TileGrid::scissor(const TileRange& block) const {
    const s32 x0 = left(block.firstColumn), x1 = left(block.lastColumn + 1);
    const s32 y0 = bottom(block.firstRow), y1 = bottom(block.lastRow + 1);
    glScissor(viewport.UpperLeftCorner.X + x0, targetHeight - viewport.LowerRightCorner.Y + y0,
              x1 - x0, y1 - y0);
}

}  // namespace Graphics
