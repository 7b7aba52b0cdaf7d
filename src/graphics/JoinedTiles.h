#pragma once
// Tiles of one piece joined into fewer draws that give the same pixels: adjacent tiles where the
// piece shows are drawn once, under one scissor, with the waves of all of them, wherever that
// costs less shading than the draw it saves (a wave a tile does not need adds +0 to its pixels).
// A draw costs about as much as six thousand pixel-waves; a wave past those the vertex stage
// hands on costs a pixel about four times as much as one of them.

#include "graphics/TileGrid.h"

#include <vector>

namespace Graphics {

// What one tile of a piece needs: whether the piece shows there, and the waves that light it.
struct TileWaves {
    bool shows;
    std::vector<int> waves;
};

// A block of tiles drawn with one draw.
struct TileBlock {
    TileRange tiles;
    std::vector<int> waves;
};

// `tiles` covers `range` row by row (columns first), its waves in ascending order; a tile has
// `tilePixels` pixels. Every tile where the piece shows falls in exactly one block, whose waves
// include the tile's; blocks come ordered by their number of waves, so that draws with the same
// shader follow each other.
std::vector<TileBlock> joinTiles(const TileRange& range, const std::vector<TileWaves>& tiles,
                                 long tilePixels);

}  // namespace Graphics
