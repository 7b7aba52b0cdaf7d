#pragma once
// Labels on the level plan, each set beside what it names where it fits: inside the picture and
// clear of every label set before it and of the areas kept free (the legend). What matters most
// is labelled first; a label with no room left is not drawn, unless it must be.

#include "PlanCanvas.h"

#include <string>
#include <vector>

class PlanLabels {
public:
    // inside: where labels may go.
    PlanLabels(PlanCanvas& canvas, irr::core::recti inside) : target(canvas), inside(inside) {}

    PlanCanvas& canvas() { return target; }
    void keepFree(irr::core::recti area) { taken.push_back(area); }
    // Lines of text beside `anchor` (the pixels of what it names): to its right, left, above or
    // below, or further out. False when there is no room; with `always` it is then drawn
    // where it overlaps least, still inside.
    bool place(irr::core::recti anchor, const std::vector<std::string>& lines, irr::video::SColor colour,
               bool always = false);

private:
    int overlap(const irr::core::recti& area) const;

    PlanCanvas& target;
    irr::core::recti inside;
    std::vector<irr::core::recti> taken;
};
