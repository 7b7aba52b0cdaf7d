#pragma once
// Tiles of one piece joined into as few draws as give the same pixels: adjacent tiles where the
// piece shows with the same waves are drawn once, under one scissor. A draw through the
// renderer costs about as much as ten thousand pixel-waves, so fewer draws pay even when the
// shading is the same.

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

// `tiles` covers `range` row by row (columns first). Every tile where the piece shows falls in
// exactly one block; blocks come ordered by their number of waves, so that draws with the same
// shader follow each other.
std::vector<TileBlock> joinTiles(const TileRange& range, const std::vector<TileWaves>& tiles);

}  // namespace Graphics
