#include "graphics/JoinedTiles.h"

#include <algorithm>

namespace Graphics {

std::vector<TileBlock> joinTiles(const TileRange& range, const std::vector<TileWaves>& tiles) {
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
            // A run of the row, then a block of the row above with the same span and waves.
            int end = c + 1;
            while (end < columns && line[end].shows && line[end].waves == line[c].waves) ++end;
            const int first = range.firstColumn + c, last = range.firstColumn + end - 1;
            auto same = [&](size_t b) {
                return blocks[b].tiles.firstColumn == first && blocks[b].tiles.lastColumn == last &&
                       blocks[b].waves == line[c].waves;
            };
            auto found = std::find_if(above.begin(), above.end(), same);
            if (found != above.end()) {
                blocks[*found].tiles.lastRow = row;
                reaching.push_back(*found);
            } else {
                blocks.push_back(TileBlock{TileRange{first, last, row, row}, line[c].waves});
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
