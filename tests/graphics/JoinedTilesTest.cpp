// Joining a piece's tiles into draws: every tile where the piece shows is drawn exactly once with
// at least its own waves, in as few blocks as the table says: tiles join where the waves they
// would shade for nothing cost less than a draw (six thousand pixel-waves).
#include "graphics/JoinedTiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace Graphics;

namespace {

struct Case {
    const char* name;
    long tilePixels;
    std::vector<std::string> rows;   // a tile per letter; '.' not shown
    size_t blocks;
};

// 'a' no wave, 'b' wave 0, 'c' waves 0 and 1, 'd' waves 0 to 2, 'x' wave 5; 'y' waves 0 to 13
// and 'z' waves 1 to 14, as many as the vertex stage hands on, and one more together.
TileWaves tileOf(char letter) {
    if (letter == '.') return TileWaves{false, {}};
    if (letter == 'x') return TileWaves{true, {5}};
    if (letter == 'y' || letter == 'z') {
        std::vector<int> waves;
        for (int w = 0; w < 14; ++w) waves.push_back(w + (letter == 'z'));
        return TileWaves{true, waves};
    }
    std::vector<int> waves;
    for (int w = 0; w < letter - 'a'; ++w) waves.push_back(w);
    return TileWaves{true, waves};
}

const long LARGE = 100000, SMALL = 3000, MIDDLING = 3600;

}  // namespace

TEST(JoinedTiles, EveryShownTileIsDrawnOnceWithItsWavesInTheFewestWorthwhileBlocks) {
    const Case cases[] = {
        {"all alike", LARGE, {"bbb", "bbb"}, 1},
        {"large tiles keep a column of more waves apart", LARGE, {"bbc", "bbc"}, 2},
        {"small tiles take it in", SMALL, {"bbc", "bbc"}, 1},
        {"two waves shaded for nothing cost a draw", SMALL, {"bx"}, 1},
        {"more than a draw", MIDDLING, {"bx"}, 2},
        {"a wave past those handed on costs more", SMALL, {"yz"}, 2},
        {"a gap splits a row", SMALL, {"b.b"}, 2},
        {"rows of other spans stay apart", LARGE, {"bb", "b."}, 2},
        {"the same run further down joins", LARGE, {"cb", "cb", "cd"}, 3},
        {"none shown", SMALL, {"..", ".."}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int columns = static_cast<int>(c.rows[0].size());
        const int rows = static_cast<int>(c.rows.size());
        const TileRange range{3, 3 + columns - 1, 2, 2 + rows - 1};   // not at the origin
        std::vector<TileWaves> tiles;
        for (const std::string& row : c.rows)
            for (char letter : row) tiles.push_back(tileOf(letter));

        std::vector<TileBlock> blocks = joinTiles(range, tiles, c.tilePixels);
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
                    EXPECT_TRUE(std::is_sorted(block.waves.begin(), block.waves.end()));
                    EXPECT_TRUE(std::includes(block.waves.begin(), block.waves.end(),
                                              tile.waves.begin(), tile.waves.end()))
                        << "tile " << column << ", " << row;
                }
                EXPECT_EQ(drawn, tile.shows ? 1 : 0) << "tile " << column << ", " << row;
            }
        }
    }
}
