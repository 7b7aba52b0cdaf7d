#pragma once
// The plan's legend: a swatch and a few words for each kind of thing the plan draws, in rows
// across the foot of the picture.

#include "PlanCanvas.h"

#include <string>
#include <vector>

struct LegendEntry {
    enum Swatch { FILL, HATCH, LINE, OUTLINE, DASHED, CIRCLE, DASHED_CIRCLE, DISC } swatch;
    irr::video::SColor colour;
    std::string words;
    irr::video::SColor edge = irr::video::SColor(0, 0, 0, 0);  // a fill's (dashed) outline, when it has one
};

// Pixels the legend takes, drawn `width` pixels wide.
int legendHeight(const std::vector<LegendEntry>& entries, int width);
void drawLegend(PlanCanvas& canvas, const std::vector<LegendEntry>& entries, int left, int top, int width);
