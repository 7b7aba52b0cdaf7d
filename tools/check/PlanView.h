#pragma once
// What the parts of the level plan share: how the level maps to the picture, and the colours
// of the kinds of things drawn.

#include <irrlicht.h>

#include <algorithm>
#include <cmath>

namespace plan {

const int MARGIN = 24;            // pixels round the level
const float FARTHEST_PIXEL = 1e5f;  // a hostile level's far-off or huge things stay in int range
// Above the lowest floor: the player's height. A lintel or a low ceiling above it is left out,
// as in an architect's plan, so that the doorways under them show.
const float CUT = 4.0f;

const irr::video::SColor BACKGROUND(255, 16, 16, 24);
const irr::video::SColor LOOSE(255, 235, 150, 40), LOOSE_EDGE(255, 140, 80, 10);
const irr::video::SColor KINEMATIC(255, 60, 110, 235), KINEMATIC_EDGE(255, 255, 255, 255);
const irr::video::SColor TRIGGER(255, 30, 90, 40), TRIGGER_EDGE(255, 70, 230, 90);
const irr::video::SColor OBSTACLE(255, 220, 60, 220);
const irr::video::SColor PLAYER(255, 255, 255, 255);
const irr::video::SColor WARNED(255, 255, 40, 40);
const irr::video::SColor LABEL(255, 230, 230, 230);    // the scale bar and the legend
const irr::video::SColor NAME(255, 250, 235, 170);     // the names of things, apart from walls' greys
const irr::video::SColor WAY(255, 255, 215, 0);
const irr::video::SColor SILENT_WAVE(255, 110, 110, 110);  // an emitter whose wave has no usable colour
const irr::video::SColor WALL(255, 200, 200, 200);
const int WALKABLE_LIFT = 45;  // the floor the player walks on is this much lighter

inline float withinReach(float pixel) {
    return pixel > -FARTHEST_PIXEL ? std::min(pixel, FARTHEST_PIXEL) : -FARTHEST_PIXEL;
}

// Low steps differ most in play: the square root spreads them apart.
inline irr::video::SColor floorGrey(float height, float lowest, int lift = 0) {
    const float share = std::sqrt(std::clamp((height - lowest) / CUT, 0.0f, 1.0f));
    const irr::u32 grey = irr::u32(std::min(255.0f, 60 + 170 * share + float(lift)));
    return irr::video::SColor(255, grey, grey, grey);
}

// Maps the level's x and z to the picture: x to the right, z up, as seen from above.
struct View {
    float minX = 0, maxZ = 0, perUnit = 1;

    irr::core::vector2df at(const irr::core::vector3df& p) const {
        return irr::core::vector2df(withinReach(MARGIN + (p.X - minX) * perUnit),
                                    withinReach(MARGIN + (maxZ - p.Z) * perUnit));
    }
    irr::core::recti area(const irr::core::aabbox3df& box) const {
        const irr::core::vector2df a = at(box.MinEdge), b = at(box.MaxEdge);
        return irr::core::recti(int(a.X), int(b.Y), int(b.X), int(a.Y));
    }
};

}  // namespace plan
