// Joining a piece's tiles into draws: every tile where the piece shows is drawn exactly once with
// its own waves, in as few blocks as the table says, the blocks with fewer waves first.
#include "graphics/JoinedTiles.h"

#include <gtest/gtest.h>

#include <string>

using namespace Graphics;

namespace {

struct Case {
    const char* name;
    std::vector<std::string> rows;   // a tile per letter, the letter its waves; '.' not shown
    size_t blocks;
};

TileWaves tileOf(char letter) {
    if (letter == '.') return TileWaves{false, {}};
    return TileWaves{true, std::vector<int>(letter - 'a', 7)};   // 'a': none, 'c': two
}

}  // namespace

TEST(JoinedTiles, EveryShownTileIsDrawnOnceWithItsWavesInTheFewestBlocks) {
    const Case cases[] = {
        {"all alike", {"bbb", "bbb"}, 1},
        {"a column apart", {"bbc", "bbc"}, 2},
        {"a gap splits a row", {"b.b"}, 2},
        {"rows of other spans stay apart", {"bb", "b."}, 2},
        {"the same run further down joins", {"cb", "cb", "cd"}, 3},
        {"none shown", {"..", ".."}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int columns = static_cast<int>(c.rows[0].size());
        const int rows = static_cast<int>(c.rows.size());
        const TileRange range{3, 3 + columns - 1, 2, 2 + rows - 1};   // not at the origin
        std::vector<TileWaves> tiles;
        for (const std::string& row : c.rows)
            for (char letter : row) tiles.push_back(tileOf(letter));

        std::vector<TileBlock> blocks = joinTiles(range, tiles);
        EXPECT_EQ(blocks.size(), c.blocks);
        for (size_t b = 1; b < blocks.size(); ++b)
            EXPECT_LE(blocks[b - 1].waves.size(), blocks[b].waves.size());
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column) {
                const TileWaves& tile = tiles[row * columns + column];
                int drawn = 0;
                for (const TileBlock& block : blocks) {
                    const TileRange& t = block.tiles;
                    if (range.firstColumn + column < t.firstColumn ||
                        range.firstColumn + column > t.lastColumn ||
                        range.firstRow + row < t.firstRow || range.firstRow + row > t.lastRow)
                        continue;
                    ++drawn;
                    EXPECT_EQ(block.waves, tile.waves) << "tile " << column << ", " << row;
                }
                EXPECT_EQ(drawn, tile.shows ? 1 : 0) << "tile " << column << ", " << row;
            }
        }
    }
}
