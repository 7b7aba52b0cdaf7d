#include "graphics/JoinedTiles.h"

#include "graphics/FixedCountShader.h"

#include <algorithm>

namespace Graphics {

namespace {

// What a draw costs the software rasteriser, in waves shaded at one pixel; most of a piece's
// draws go straight to OpenGL (PieceRedraw), for less than through Irrlicht.
const long DRAW_COST = 6000;
// A wave past those the vertex stage hands on is read at every pixel, and costs this many.
const long READ_WAVE_COST = 4;

std::vector<int> unionOf(const std::vector<int>& a, const std::vector<int>& b) {
    std::vector<int> both;
    std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(both));
    return both;
}

// Shading `waves` waves at one pixel, in waves handed on by the vertex stage.
long shadingCost(size_t waves) {
    const long handedOn = std::min<long>(static_cast<long>(waves), MAX_VARYING_WAVES);
    return handedOn + READ_WAVE_COST * (static_cast<long>(waves) - handedOn);
}

// Whether drawing tiles with waves `a` and `b` as one, with the waves of both, costs less
// than the draw it saves: each tile then shades the waves it lacked, for nothing.
bool worthJoining(const std::vector<int>& a, int tilesA, const std::vector<int>& b, int tilesB,
                  const std::vector<int>& both, long tilePixels) {
    const long added = (shadingCost(both.size()) - shadingCost(a.size())) * tilesA +
                       (shadingCost(both.size()) - shadingCost(b.size())) * tilesB;
    return added * tilePixels <= DRAW_COST;
}

int tilesOf(const TileRange& t) {
    return (t.lastColumn - t.firstColumn + 1) * (t.lastRow - t.firstRow + 1);
}

}  // namespace

std::vector<TileBlock> joinTiles(const TileRange& range, const std::vector<TileWaves>& tiles,
                                 long tilePixels) {
    const int columns = range.lastColumn - range.firstColumn + 1;
    std::vector<TileBlock> blocks;
    std::vector<size_t> above;   // blocks that reach the row above
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        std::vector<size_t> reaching;
        const TileWaves* line = &tiles[(row - range.firstRow) * columns];
        for (int c = 0; c < columns;) {
            if (!line[c].shows) {
                ++c;
                continue;
            }
            // A run of the row, then a block of the row above with the same span.
            TileBlock run{TileRange{range.firstColumn + c, range.firstColumn + c, row, row},
                          line[c].waves};
            int end = c + 1;
            for (; end < columns && line[end].shows; ++end) {
                std::vector<int> both = unionOf(run.waves, line[end].waves);
                if (!worthJoining(run.waves, end - c, line[end].waves, 1, both, tilePixels))
                    break;
                run.waves.swap(both);
                run.tiles.lastColumn = range.firstColumn + end;
            }
            auto joins = [&](size_t b) {
                const TileBlock& block = blocks[b];
                if (block.tiles.firstColumn != run.tiles.firstColumn ||
                    block.tiles.lastColumn != run.tiles.lastColumn)
                    return false;
                return worthJoining(block.waves, tilesOf(block.tiles), run.waves,
                                    tilesOf(run.tiles), unionOf(block.waves, run.waves),
                                    tilePixels);
            };
            auto found = std::find_if(above.begin(), above.end(), joins);
            if (found != above.end()) {
                TileBlock& block = blocks[*found];
                block.waves = unionOf(block.waves, run.waves);
                block.tiles.lastRow = row;
                reaching.push_back(*found);
            } else {
                blocks.push_back(run);
                reaching.push_back(blocks.size() - 1);
            }
            c = end;
        }
        above.swap(reaching);
    }
    std::stable_sort(blocks.begin(), blocks.end(), [](const TileBlock& a, const TileBlock& b) {
        return a.waves.size() < b.waves.size();
    });
    return blocks;
}

}  // namespace Graphics
