#include "PlanStory.h"

#include "ReachWarnings.h"

#include "sound/CIrrKlangSceneNode.h"
#include "world/GameObject.h"
#include "world/GameWorld.h"
#include "world/Player.h"

#include <NxController.h>

#include <algorithm>
#include <limits>

using namespace irr;
using namespace plan;

namespace {

const int HATCH = 5;            // pixels between the red lines over floor out of reach
const f32 SMALL_STATIC = 0.1f;  // static geometry is named when it covers at most this share of the level

std::string nameOf(const scene::ISceneNode& node) { return node.getName()[0] ? node.getName() : "(no name)"; }

core::recti grown(core::recti area, int by) {
    area.UpperLeftCorner -= core::vector2di(by, by);
    area.LowerRightCorner += core::vector2di(by, by);
    return area;
}

// How telling a node's name is on the plan: lower first; -1 for none.
int rankOf(const scene::ISceneNode& node, const GameObject* object) {
    if (std::string(node.getName()) == "player_start") return 0;
    if (object && ReachWarnings::isExit(*object)) return 1;
    if (dynamic_cast<const CIrrKlangSceneNode*>(&node)) return 6;
    if (node.getType() == scene::ESNT_ANIMATED_MESH) return 5;
    if (!object || !object->actor || node.getType() != scene::ESNT_MESH) return -1;
    switch (node.getName()[0]) {
    case '2': return 2;
    case '3': return 3;
    case '1': return 7;
    default: return 4;
    }
}

// Every node in the scene, parents first.
std::vector<scene::ISceneNode*> allNodes(scene::ISceneNode& root) {
    std::vector<scene::ISceneNode*> out, pending{&root};
    while (!pending.empty()) {
        scene::ISceneNode* node = pending.back();
        pending.pop_back();
        if (node != &root) out.push_back(node);
        const auto& children = node->getChildren();
        for (auto it = children.getLast(); it != children.end(); --it) pending.push_back(*it);
    }
    return out;
}

const GameObject* objectOf(const scene::ISceneNode& node) {
    for (const GameObject* object : GameWorld::instance().objects)
        if (object->node == &node) return object;
    return nullptr;
}

core::recti anchorOf(const View& view, scene::ISceneNode& node, const GameObject* object) {
    node.updateAbsolutePosition();
    if (object && node.getType() == scene::ESNT_MESH) return view.area(node.getTransformedBoundingBox());
    if (std::string(node.getName()) == "player_start" && GameWorld::instance().player) {
        const Player& player = *GameWorld::instance().player;
        const vphysx::NxExtendedVec3& p = player.controller ? player.controller->getPosition() : vphysx::NxExtendedVec3();
        const core::vector2df at = view.at(core::vector3df(f32(p.x), f32(p.y), f32(p.z)));
        const int r = std::max(3, int(player.radius * view.perUnit));
        return core::recti(int(at.X) - r, int(at.Y) - r, int(at.X) + r, int(at.Y) + r);
    }
    const core::vector2df at = view.at(node.getAbsolutePosition());
    return core::recti(int(at.X) - 3, int(at.Y) - 3, int(at.X) + 3, int(at.Y) + 3);
}

}  // namespace

void drawWalkable(PlanCanvas& canvas, const View& view, const LevelReport& report, const std::vector<f32>& heights,
                  f32 lowest) {
    const ReachWarnings* reach = report.reach();
    const WalkableFloor* floor = reach ? reach->floor() : nullptr;
    if (!floor) return;
    floor->eachTriangle([&](const core::triangle3df& t, bool reached) {
        const core::vector3df middle = (t.pointA + t.pointB + t.pointC) / 3;
        const bool sealed = !reached && std::any_of(reach->marks().begin(), reach->marks().end(), [&](const auto& mark) {
            return mark.sealed && mark.area.isPointInside(middle);
        });
        if (!reached && !sealed) return;
        canvas.eachPixelIn(view.at(t.pointA), view.at(t.pointB), view.at(t.pointC), [&](int x, int y, f32, f32) {
            const f32 height = heights[size_t(y) * size_t(canvas.width()) + size_t(x)];
            if (sealed && (x + y) % HATCH <= 1)
                canvas.dot(x, y, WARNED);
            else if (reached && height > std::numeric_limits<f32>::lowest())
                canvas.dot(x, y, floorGrey(height, lowest, WALKABLE_LIFT));
        });
    });
}

void drawWayToExit(PlanCanvas& canvas, const View& view, const LevelReport& report) {
    if (!report.reach()) return;
    const std::vector<core::vector3df>& way = report.reach()->wayToExit();
    for (size_t i = 1; i < way.size(); ++i) canvas.line(view.at(way[i - 1]), view.at(way[i]), WAY, 2, 6);
    if (!way.empty()) canvas.disc(view.at(way.back()), 4, WAY);
}

void labelPlan(PlanLabels& labels, const View& view, const LevelReport& report, scene::ISceneNode& root) {
    const std::vector<ReachWarnings::Mark> none;
    const std::vector<ReachWarnings::Mark>& marks = report.reach() ? report.reach()->marks() : none;
    for (const ReachWarnings::Mark& mark : marks) labels.canvas().outline(grown(view.area(mark.area), 2), WARNED, 2);
    // A wall's opening or a floor's sealed part is where its warning is.
    std::vector<bool> told(marks.size(), false);
    for (const WarnedNode& warned : report.warnedNodes()) {
        core::recti anchor = grown(view.area(warned.node->getTransformedBoundingBox()), 4);
        for (size_t i = 0; i < marks.size(); ++i)
            if (marks[i].owner && marks[i].owner->node == warned.node && marks[i].shortText == warned.shortText && !told[i]) {
                anchor = grown(view.area(marks[i].area), 2);
                told[i] = true;
                break;
            }
        labels.place(anchor, {nameOf(*warned.node), warned.shortText}, WARNED, true);
    }
    for (size_t i = 0; i < marks.size(); ++i)
        if (!told[i]) labels.place(grown(view.area(marks[i].area), 2), {marks[i].shortText}, WARNED, true);
    std::vector<std::pair<int, scene::ISceneNode*>> ranked;
    const f32 levelArea = f32(labels.canvas().width()) * f32(labels.canvas().height());
    for (scene::ISceneNode* node : allNodes(root)) {
        const GameObject* object = objectOf(*node);
        const int rank = rankOf(*node, object);
        if (rank < 0) continue;
        const core::recti anchor = anchorOf(view, *node, object);
        if (rank == 7 && f32(anchor.getArea()) > SMALL_STATIC * levelArea) continue;
        const bool warned = std::any_of(report.warnedNodes().begin(), report.warnedNodes().end(),
                                        [&](const WarnedNode& w) { return w.node == node; });
        if (!warned) ranked.push_back({rank, node});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [rank, node] : ranked) {
        const std::string name = rank == 0 ? "START" : nameOf(*node);
        labels.place(anchorOf(view, *node, objectOf(*node)), {name}, NAME);
    }
}

const std::vector<LegendEntry>& legendEntries() {
    static const std::vector<LegendEntry> entries = {
        {LegendEntry::FILL, floorGrey(0, 0, WALKABLE_LIFT), "WALKABLE FLOOR"},
        {LegendEntry::FILL, floorGrey(0, 0), "OTHER FLOOR"},
        {LegendEntry::LINE, WALL, "WALL"},
        {LegendEntry::HATCH, WARNED, "OUT OF REACH"},
        {LegendEntry::OUTLINE, WARNED, "WARNING"},
        {LegendEntry::LINE, WAY, "WAY TO EXIT"},
        {LegendEntry::DISC, PLAYER, "START"},
        {LegendEntry::FILL, LOOSE, "LOOSE", LOOSE_EDGE},
        {LegendEntry::FILL, KINEMATIC, "KINEMATIC", KINEMATIC_EDGE},
        {LegendEntry::DASHED, TRIGGER, "TRIGGER", TRIGGER_EDGE},
        {LegendEntry::DISC, OBSTACLE, "OBSTACLE"},
        {LegendEntry::CIRCLE, LABEL, "STEADY WAVE"},
        {LegendEntry::DASHED_CIRCLE, LABEL, "BEATING WAVE"},
    };
    return entries;
}
