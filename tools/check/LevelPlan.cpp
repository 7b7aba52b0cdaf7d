#include "LevelPlan.h"

#include "LevelGeometry.h"
#include "NodeOutcome.h"
#include "PlanCanvas.h"
#include "PlanLabels.h"
#include "PlanLegend.h"
#include "PlanStory.h"
#include "PlanView.h"

#include "sound/CIrrKlangSceneNode.h"
#include "world/GameObject.h"
#include "world/GameWorld.h"
#include "world/Player.h"

#include <NxController.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

using namespace irr;
using namespace plan;

namespace {

const f32 MIN_UP = 0.3f;  // a floor's normal points up at least this much, a wall's less either way
const f32 LARGEST_SIDE = 900.0f;  // pixels
const f32 MOST_PIXELS_PER_UNIT = 40.0f;
const int SCALE_BAR = 40;         // the foot's room for the scale bar
const u32 NARROWEST = 400;        // pixels: room for the legend
const f32 FACING_LENGTH = 3.0f;   // units

struct Floors {
    std::vector<core::triangle3df> up, steep;
    f32 lowest = 0;
};

Floors staticSurfaces(const std::list<GameObject*>& objects) {
    Floors out;
    out.lowest = std::numeric_limits<f32>::max();
    for (const GameObject* object : objects) {
        if (!object->actor || object->node->getName()[0] != '1') continue;
        for (const core::triangle3df& t : trianglesOf(*object->node)) {
            const core::vector3df normal = t.getNormal().normalize();
            if (normal.Y > MIN_UP) {
                out.up.push_back(t);
                out.lowest = std::min({out.lowest, t.pointA.Y, t.pointB.Y, t.pointC.Y});
            } else if (std::fabs(normal.Y) < MIN_UP && t.getNormal().getLengthSQ() > 0) {
                out.steep.push_back(t);
            }
        }
    }
    if (out.up.empty()) out.lowest = 0;
    return out;
}

f32 lowestY(const core::triangle3df& t) { return std::min({t.pointA.Y, t.pointB.Y, t.pointC.Y}); }
f32 highestY(const core::triangle3df& t) { return std::max({t.pointA.Y, t.pointB.Y, t.pointC.Y}); }

// Floors below the cut filled, the highest showing; walls reaching below it as lines.
// Returns the height of the floor shown at each pixel, row by row; lowest() where none is.
std::vector<f32> drawStatic(PlanCanvas& canvas, const View& view, const Floors& floors, core::dimension2du size) {
    const f32 cut = floors.lowest + CUT;
    std::vector<f32> top(size.Width * size.Height, std::numeric_limits<f32>::lowest());
    for (const core::triangle3df& t : floors.up) {
        if (lowestY(t) > cut) continue;
        canvas.eachPixelIn(view.at(t.pointA), view.at(t.pointB), view.at(t.pointC), [&](int x, int y, f32 u, f32 v) {
            const f32 height = u * t.pointA.Y + v * t.pointB.Y + (1 - u - v) * t.pointC.Y;
            f32& shown = top[size_t(y) * size.Width + size_t(x)];
            if (height <= shown || height > cut) return;
            shown = height;
            canvas.dot(x, y, floorGrey(height, floors.lowest));
        });
    }
    for (const core::triangle3df& t : floors.steep) {
        if (lowestY(t) >= cut) continue;
        const video::SColor grey = floorGrey(std::min(highestY(t), cut), floors.lowest);
        canvas.line(view.at(t.pointA), view.at(t.pointB), grey);
        canvas.line(view.at(t.pointB), view.at(t.pointC), grey);
        canvas.line(view.at(t.pointC), view.at(t.pointA), grey);
    }
    return top;
}

core::aabbox3df footprint(scene::ISceneNode& node) {
    node.updateAbsolutePosition();
    return node.getTransformedBoundingBox();
}

void drawObjects(PlanCanvas& canvas, const View& view, const std::list<GameObject*>& objects) {
    for (const GameObject* object : objects) {
        if (!object->actor || object->node->getType() != scene::ESNT_MESH) continue;
        const core::recti area = view.area(footprint(*object->node));
        switch (object->node->getName()[0]) {
        case '1': break;
        case '2':
            canvas.fill(area, TRIGGER);
            canvas.outline(area, TRIGGER_EDGE, 1, 3);
            break;
        case '3':
            canvas.fill(area, KINEMATIC);
            canvas.outline(area, KINEMATIC_EDGE, 2);
            break;
        default:
            canvas.fill(area, LOOSE);
            canvas.outline(area, LOOSE_EDGE);
        }
    }
}

video::SColor waveColour(const CIrrKlangSceneNode& emitter) {
    const core::vector3df c = emitter.EffectColor;
    if (c.X + c.Y + c.Z <= 0.05f || emitter.EffectType < 0 || emitter.EffectType > CIrrKlangSceneNode::EET_MULTI_PULSE)
        return SILENT_WAVE;
    auto channel = [](f32 x) { return u32(std::clamp(x, 0.0f, 1.0f) * 255); };
    return video::SColor(255, channel(c.X), channel(c.Y), channel(c.Z));
}

// Emitters' waves and obstacles, wherever they stand in the scene.
void drawSceneNodes(PlanCanvas& canvas, const View& view, scene::ISceneNode& root) {
    std::vector<scene::ISceneNode*> pending{&root};
    while (!pending.empty()) {
        scene::ISceneNode* node = pending.back();
        pending.pop_back();
        for (scene::ISceneNode* child : node->getChildren()) pending.push_back(child);
        node->updateAbsolutePosition();
        const core::vector2df at = view.at(node->getAbsolutePosition());
        if (const auto* emitter = dynamic_cast<const CIrrKlangSceneNode*>(node)) {
            const video::SColor colour = waveColour(*emitter);
            const bool beats = !emitter->analysisLevels.empty() && beatsPerPass(*emitter) > 0;
            canvas.circle(at, withinReach(emitter->MaxRadius * view.perUnit), colour, beats ? 3 : 0);
            canvas.disc(at, 3, colour);
        } else if (node->getType() == scene::ESNT_ANIMATED_MESH) {
            canvas.disc(at, std::max(3.0f, view.perUnit), OBSTACLE);
        }
    }
}

void drawPlayer(PlanCanvas& canvas, const View& view) {
    const Player* player = GameWorld::instance().player;
    if (!player || !player->controller) return;
    const vphysx::NxExtendedVec3& p = player->controller->getPosition();
    const core::vector3df centre(f32(p.x), f32(p.y), f32(p.z));
    const f32 yaw = player->yaw * core::DEGTORAD;
    const core::vector3df facing(std::sin(yaw), 0, std::cos(yaw));
    canvas.disc(view.at(centre), std::max(3.0f, player->radius * view.perUnit), PLAYER);
    canvas.line(view.at(centre), view.at(centre + facing * FACING_LENGTH), PLAYER, 2);
}

void drawWarned(PlanCanvas& canvas, const View& view, const std::vector<WarnedNode>& warned) {
    for (const WarnedNode& w : warned) {
        core::recti area = view.area(footprint(*w.node));
        area.UpperLeftCorner -= core::vector2di(4, 4);
        area.LowerRightCorner += core::vector2di(4, 4);
        canvas.outline(area, WARNED, 2);
    }
}

// A bar of a round number of units, 80 to 200 pixels long.
void drawScaleBar(PlanCanvas& canvas, const View& view, int bottom) {
    const f32 steps[] = {2, 2.5f, 2};  // 1, 2, 5, 10, 20, 50, ...
    f32 units = 1;
    for (int i = 0; units * view.perUnit < 80; ++i) units *= steps[i % 3];
    const f32 left = MARGIN, right = left + units * view.perUnit, y = f32(bottom - 16);
    canvas.line({left, y}, {right, y}, LABEL, 2);
    for (f32 x : {left, (left + right) / 2, right}) canvas.line({x, y - 5}, {x, y + 5}, LABEL);
    char label[32];
    std::snprintf(label, sizeof label, "%g UNITS", units);
    canvas.text(int(right) + 8, int(y) - 5, label, LABEL);
}

// The extent of what is drawn but the waves: geometry, objects and the player's start.
core::aabbox3df extentOf(const std::list<GameObject*>& objects) {
    core::aabbox3df box;
    bool any = false;
    for (const GameObject* object : objects) {
        if (object->node->getType() != scene::ESNT_MESH) continue;
        const core::aabbox3df part = footprint(*object->node);
        if (any) box.addInternalBox(part); else box = part;
        any = true;
    }
    const Player* player = GameWorld::instance().player;
    if (player && player->controller) {
        const vphysx::NxExtendedVec3& p = player->controller->getPosition();
        const core::vector3df at(f32(p.x), f32(p.y), f32(p.z));
        if (any) box.addInternalPoint(at); else box.reset(at);
    }
    return box;
}

}  // namespace

bool writeLevelPlan(const char* path, scene::ISceneManager& scene, const LevelReport& report) {
    const std::list<GameObject*>& objects = GameWorld::instance().objects;
    const core::aabbox3df box = extentOf(objects);
    // At least a unit; a hostile scale's infinite extent is held to a finite one.
    auto drawn = [](f32 extent) { return extent > 1 ? std::min(extent, 1e9f) : 1.0f; };
    const f32 wide = drawn(box.getExtent().X), deep = drawn(box.getExtent().Z);
    View view;
    view.minX = box.MinEdge.X;
    view.maxZ = box.MaxEdge.Z;
    view.perUnit = std::min(LARGEST_SIDE / std::max(wide, deep), MOST_PIXELS_PER_UNIT);
    const u32 width = std::max(u32(wide * view.perUnit) + 2 * MARGIN, NARROWEST);
    const u32 levelHeight = u32(deep * view.perUnit) + 2 * MARGIN;
    const int legend = legendHeight(legendEntries(), int(width) - 2 * MARGIN);
    const core::dimension2du size(width, levelHeight + u32(legend) + SCALE_BAR);

    video::IVideoDriver& driver = *scene.getVideoDriver();
    PlanCanvas canvas(driver, size, BACKGROUND);
    const Floors floors = staticSurfaces(objects);
    const std::vector<f32> heights = drawStatic(canvas, view, floors, size);
    drawWalkable(canvas, view, report, heights, floors.lowest);
    drawObjects(canvas, view, objects);
    drawSceneNodes(canvas, view, *scene.getRootSceneNode());
    drawWayToExit(canvas, view, report);
    drawPlayer(canvas, view);
    drawWarned(canvas, view, report.warnedNodes());
    PlanLabels labels(canvas, core::recti(2, 2, int(width) - 3, int(levelHeight) - 3));
    labelPlan(labels, view, report, *scene.getRootSceneNode());
    canvas.fill(core::recti(0, int(levelHeight), int(width) - 1, int(size.Height) - 1), BACKGROUND);
    drawLegend(canvas, legendEntries(), MARGIN, int(levelHeight), int(width) - 2 * MARGIN);
    drawScaleBar(canvas, view, int(size.Height));
    return canvas.write(driver, path);
}
