#include "PlanLabels.h"

#include "PlanFont.h"
#include "PlanView.h"

#include <algorithm>
#include <climits>

using namespace irr;

namespace {

const int SCALE = 2;                         // pixels a dot of the font
const int LINE = (GLYPH_HEIGHT + 2) * SCALE;
const int GAP = 3;                           // between a label and what it names
const int RINGS = 4;                         // how far out a label may move, in label heights

int areaOf(const core::recti& r) { return std::max(0, r.getWidth()) * std::max(0, r.getHeight()); }

}  // namespace

int PlanLabels::overlap(const core::recti& area) const {
    int total = 0;
    for (const core::recti& other : taken) {
        core::recti common = area;
        common.clipAgainst(other);
        if (common.isValid()) total += areaOf(common);
    }
    return total;
}

bool PlanLabels::place(core::recti anchor, const std::vector<std::string>& lines, video::SColor colour, bool always) {
    size_t longest = 0;
    for (const std::string& line : lines) longest = std::max(longest, line.size());
    const int w = int(longest) * (GLYPH_WIDTH + 1) * SCALE, h = int(lines.size()) * LINE;
    const core::vector2di a = anchor.UpperLeftCorner, b = anchor.LowerRightCorner;
    const core::vector2di mid = anchor.getCenter();
    std::vector<core::vector2di> tries;  // top left corners, nearest first
    for (int ring = 0; ring < RINGS; ++ring) {
        const int out = GAP + ring * LINE;
        tries.insert(tries.end(), {{b.X + out, a.Y}, {a.X - out - w, a.Y}, {mid.X - w / 2, a.Y - out - h},
                                   {mid.X - w / 2, b.Y + out}, {b.X + out, b.Y - h}, {a.X - out - w, b.Y - h}});
    }
    core::recti best;
    int bestOverlap = INT_MAX;
    for (const core::vector2di& corner : tries) {
        // Kept inside: a label too near an edge is moved in, never cut.
        const int x = std::clamp(corner.X, inside.UpperLeftCorner.X, std::max(inside.UpperLeftCorner.X, inside.LowerRightCorner.X - w));
        const int y = std::clamp(corner.Y, inside.UpperLeftCorner.Y, std::max(inside.UpperLeftCorner.Y, inside.LowerRightCorner.Y - h));
        const core::recti area(x - 1, y - 1, x + w + 1, y + h + 1);
        const int covered = overlap(area);
        if (covered < bestOverlap) best = area, bestOverlap = covered;
        if (covered == 0) break;
    }
    if (bestOverlap > 0 && !always) return false;
    taken.push_back(best);
    // Edged in the background's colour, to read over floors, hatching and circles alike.
    const core::vector2di edges[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {0, 0}};
    for (const core::vector2di& edge : edges)
        for (size_t i = 0; i < lines.size(); ++i)
            target.text(best.UpperLeftCorner.X + 1 + edge.X, best.UpperLeftCorner.Y + 1 + int(i) * LINE + edge.Y, lines[i],
                        edge == core::vector2di(0, 0) ? colour : plan::BACKGROUND, SCALE);
    return true;
}
