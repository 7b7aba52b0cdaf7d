#include "PlanLegend.h"

#include "PlanFont.h"

using namespace irr;

namespace {

const int SCALE = 2;
const int SWATCH_WIDTH = 18, SWATCH_HEIGHT = 10, SPACING = 16, ROW = 16;

int entryWidth(const LegendEntry& entry) {
    return SWATCH_WIDTH + 6 + int(entry.words.size()) * (GLYPH_WIDTH + 1) * SCALE + SPACING;
}

// Lays the entries out in rows; calls place(entry, x, y) for each.
template <typename Place> int layOut(const std::vector<LegendEntry>& entries, int width, Place place) {
    int x = 0, y = 0;
    for (const LegendEntry& entry : entries) {
        if (x > 0 && x + entryWidth(entry) > width) x = 0, y += ROW;
        place(entry, x, y);
        x += entryWidth(entry);
    }
    return entries.empty() ? 0 : y + ROW;
}

void drawSwatch(PlanCanvas& canvas, const LegendEntry& entry, core::recti box) {
    const core::vector2df middle(float(box.getCenter().X), float(box.getCenter().Y));
    const core::vector2df left(float(box.UpperLeftCorner.X), middle.Y), right(float(box.LowerRightCorner.X), middle.Y);
    switch (entry.swatch) {
    case LegendEntry::FILL:
        canvas.fill(box, entry.colour);
        if (entry.edge.getAlpha()) canvas.outline(box, entry.edge);
        break;
    case LegendEntry::HATCH:
        for (int x = box.UpperLeftCorner.X; x <= box.LowerRightCorner.X; ++x)
            for (int y = box.UpperLeftCorner.Y; y <= box.LowerRightCorner.Y; ++y)
                if ((x + y) % 5 <= 1) canvas.dot(x, y, entry.colour);
        break;
    case LegendEntry::LINE: canvas.line(left, right, entry.colour, 2); break;
    case LegendEntry::OUTLINE: canvas.outline(box, entry.colour, 2); break;
    case LegendEntry::DASHED:
        canvas.fill(box, entry.colour);
        canvas.outline(box, entry.edge, 1, 3);
        break;
    case LegendEntry::CIRCLE: canvas.circle(middle, SWATCH_HEIGHT / 2.0f, entry.colour); break;
    case LegendEntry::DASHED_CIRCLE: canvas.circle(middle, SWATCH_HEIGHT / 2.0f, entry.colour, 2); break;
    case LegendEntry::DISC: canvas.disc(middle, SWATCH_HEIGHT / 2.0f, entry.colour); break;
    }
}

}  // namespace

int legendHeight(const std::vector<LegendEntry>& entries, int width) {
    return layOut(entries, width, [](const LegendEntry&, int, int) {});
}

void drawLegend(PlanCanvas& canvas, const std::vector<LegendEntry>& entries, int left, int top, int width) {
    layOut(entries, width, [&](const LegendEntry& entry, int x, int y) {
        const core::recti box(left + x, top + y + 1, left + x + SWATCH_WIDTH, top + y + 1 + SWATCH_HEIGHT);
        drawSwatch(canvas, entry, box);
        canvas.text(box.LowerRightCorner.X + 6, top + y + 1, entry.words, video::SColor(255, 230, 230, 230), SCALE);
    });
}
