#include "ReachWarnings.h"

#include "LevelGeometry.h"
#include "NodeOutcome.h"

#include "world/Carrying.h"
#include "world/GameObject.h"
#include "world/Player.h"

#include <NxActor.h>
#include <NxController.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>

using namespace irr;

namespace {

const f32 SLACK = 0.25f;         // beyond the capsule's radius: brushing a pad's edge counts
const f32 ABOVE = 0.5f;          // a floor this far above a thing's top still stands by it
const f32 SEALED_AREA = 8.0f;    // square units: smaller unreached bits are too small to matter
const f32 SAMPLE = 0.2f;         // along a way, between measurements of its width and height
// Triangles tested by the rays that measure ways, for the whole level: about a second's work. A
// huge level is not measured past it; its openings are then named without their size.
const double MEASURING_BUDGET = 3e8;
const int RAYS_PER_SAMPLE = 60;
const f32 FAR = 50.0f;           // widths and heights are measured up to this
const f32 SAME_OPENING = 1.5f;   // in capsule heights: openings in a wall nearer than this are one
const f32 PROBE_RADIUS = 0.01f;  // the small thing that finds openings the player cannot pass
const f32 CELLS_PER_RADIUS = 4;  // the floor is sampled to a quarter of the player's radius
const f32 ASKEW = 30;            // degrees either way from straight across a way, for its width
const f32 FITS = 0.02f;          // the controller's skin: what the capsule needs beyond its size

std::string number(f32 x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", double(x));
    return text;
}

// To a tenth: where a place is, not how the floor was sampled.
core::vector3df rounded(const core::vector3df& p) {
    auto tenth = [](f32 x) { return std::round(x * 10) / 10 + 0.0f; };
    return core::vector3df(tenth(p.X), tenth(p.Y), tenth(p.Z));
}

core::aabbox3df worldBox(scene::ISceneNode& node) {
    node.updateAbsolutePosition();
    return node.getTransformedBoundingBox();
}

bool isLiftable(const GameObject& object) {
    const char kind = object.node->getName()[0];
    return kind != '1' && kind != '2' && kind != '3' && object.actor->getMass() <= MAX_CARRY_MASS;
}

}  // namespace

// An opening in the static geometry on the only way somewhere, narrower or lower than the player.
struct ReachWarnings::Opening {
    core::vector3df at;                // its floor, in the middle of the way through
    const GameObject* wall = nullptr;  // what its narrowest or lowest side belongs to
    f32 width = FAR, height = FAR;
    std::vector<std::string> beyond;   // what the player cannot reach through it
};

bool ReachWarnings::isExit(const GameObject& object) {
    std::string name = object.node->getName();
    for (char& c : name) c = char(std::tolower(static_cast<unsigned char>(c)));
    return name[0] == '2' && name.find("exit") != std::string::npos;
}

ReachWarnings::~ReachWarnings() = default;

ReachWarnings::ReachWarnings(const std::list<GameObject*>& objects, const Player& player)
    : reach(playerReach(player)) {
    for (GameObject* object : objects)
        if (object->actor && object->node->getType() == scene::ESNT_MESH && object->node->getName()[0] == '1')
            statics.push_back(object);
    geometry = std::make_unique<LevelGeometry>(statics);
    playerFloor = std::make_unique<WalkableFloor>(triangles(), reach.capsule, reach.capsule.radius / CELLS_PER_RADIUS);


    if (!player.controller) return;
    const vphysx::NxExtendedVec3& centre = player.controller->getPosition();
    feet = core::vector3df(f32(centre.x), f32(centre.y) - reach.capsule.height / 2, f32(centre.z));
    started = playerFloor->spreadFrom(feet);
    if (!started) {
        const f32 cell = playerFloor->cellSize(), finest = reach.capsule.radius / CELLS_PER_RADIUS;
        const std::string coarse = cell > finest * 1.01f ? " (the level is so large that its floor was sampled only every " +
                                                               number(cell) + " units)" : "";
        level.push_back({"the player starts at " + formatVector(rounded(feet)) + " (the capsule's bottom) over no "
                         "floor they can walk on" + coarse + ", so what they can reach was not checked",
                         "START OVER NO FLOOR"});
        return;
    }
    lowestReached = std::numeric_limits<f32>::max();
    highestReached = -lowestReached;
    playerFloor->eachTriangle([&](const core::triangle3df& t, bool reached) {
        if (!reached) return;
        lowestReached = std::min({lowestReached, t.pointA.Y, t.pointB.Y, t.pointC.Y});
        highestReached = std::max({highestReached, t.pointA.Y, t.pointB.Y, t.pointC.Y});
    });

    const f32 beside = reach.capsule.radius + SLACK;
    for (const GameObject* object : objects) {
        if (!object->actor || object->node->getType() != scene::ESNT_MESH) continue;
        if (object->node->getName()[0] != '2' && !isLiftable(*object)) continue;
        // The capsule's bottom somewhere beside it, at most a jump's top below it.
        const core::aabbox3df box = worldBox(*object->node);
        checkTarget(*object, core::aabbox3df(box.MinEdge - core::vector3df(beside, reach.jumpTop, beside),
                                             box.MaxEdge + core::vector3df(beside, ABOVE, beside)));
    }
    checkSealedFloor();
    warnOpenings();
}

void ReachWarnings::checkTarget(const GameObject& object, const core::aabbox3df& area) {
    core::vector3df at;
    if (playerFloor->reachedIn(area, &at)) {
        if (isExit(object) && exitWay.empty()) exitWay = playerFloor->way(feet, at);
        return;
    }
    const std::string lead = isExit(object) ? "the player cannot reach this exit from the start: "
                                            : "the player cannot reach it from the start: ";
    core::vector3df floorAt;
    const std::string why = whyNot(area, object.node->getName(), &floorAt);
    warnings[&object].push_back({lead + why, "UNREACHABLE"});
}

void ReachWarnings::checkSealedFloor() {
    const f32 climb = reach.capsule.climb;
    for (const WalkableFloor::Piece& piece : playerFloor->unreachedPieces()) {
        // Roofs and the tops of high things lie over the floor the player walks on, or above all of it.
        const core::vector3df under(0.5f, FAR, 0.5f);
        core::vector3df below;
        // Recast sees surfaces, not solids: the inside of a closed box is a room to it.
        if (piece.area < SEALED_AREA || piece.middle.Y < lowestReached - climb || piece.middle.Y > highestReached + climb ||
            playerFloor->reachedIn(core::aabbox3df(piece.middle - under, piece.middle + core::vector3df(0.5f, -climb, 0.5f)),
                                   &below) ||
            geometry->solidAround(piece.middle + core::vector3df(0, reach.stepHeight, 0), nullptr))
            continue;
        const GameObject* owner = ownerBelow(piece.middle);
        const std::string what = std::string("the floor of \"") + (owner ? owner->node->getName() : "?") + "\"";
        core::vector3df floorAt;
        const core::vector3df near(0.5f, 0.5f, 0.5f);
        const std::string why = whyNot(core::aabbox3df(piece.middle - near, piece.middle + near), what, &floorAt);
        core::vector3df middle = rounded(piece.middle);
        middle.Y = floorHeight(piece.middle);
        const Warning warning{"part of its floor, about " + number(piece.area) + " square units around " +
                                  formatVector(middle) + ", cannot be reached from the start: " + why,
                              "SEALED OFF"};
        if (owner) warnings[owner].push_back(warning); else level.push_back(warning);
        marked.push_back({piece.bounds, "SEALED OFF", true, owner});
    }
}

std::vector<core::triangle3df> ReachWarnings::triangles() const {
    std::vector<core::triangle3df> out;
    for (const SolidTriangle& t : geometry->triangles()) out.push_back(t.triangle);
    return out;
}

// Built when something is out of the player's reach, as most levels need it not at all.
const WalkableFloor& ReachWarnings::probeFloor() {
    if (probe) return *probe;
    AgentSize small = reach.capsule;
    small.radius = PROBE_RADIUS;
    small.height = reach.capsule.height / 2;
    probe = std::make_unique<WalkableFloor>(triangles(), small, reach.capsule.radius / CELLS_PER_RADIUS);
    probe->spreadFrom(feet);
    return *probe;
}

// The tail of a sentence: why the player's floor does not reach into `area`.
std::string ReachWarnings::whyNot(const core::aabbox3df& area, const std::string& what, core::vector3df* floorAt) {
    const std::string size = "a capsule " + number(2 * reach.capsule.radius) + " wide and " +
                             number(reach.capsule.height) + " high";
    core::vector3df there;
    if (probeFloor().reachedIn(area, &there)) {
        if (Opening* opening = openingOnWay(probeFloor().way(feet, there))) {
            opening->beyond.push_back(what);
            std::string words = "the way there passes an opening in \"" + std::string(opening->wall->node->getName()) +
                                "\" at " + formatVector(rounded(opening->at));
            if (opening->width < FAR) words += " only " + number(opening->width) + " wide";
            if (opening->width < FAR && opening->height < FAR) words += " and";
            if (opening->height < FAR) words += " only " + number(opening->height) + " high";
            return words + "; the player is " + size;
        }
        return "the only way there is too narrow or too low for the player, " + size;
    }
    if (!playerFloor->floorIn(area, floorAt) && !probeFloor().floorIn(area, floorAt))
        return "there is no floor by it where the player, " + size + ", could stand";
    return "no walk, step, slope up to " + number(reach.capsule.slopeDegrees) + " degrees or jump onto a ledge up to " +
           number(reach.capsule.climb) + " high leads there, not even through an opening too small for the player; its floor is at y = " + number(floorHeight(*floorAt)) +
           ", the start's at y = " + number(floorHeight(feet));
}

// Walks the small thing's way from the start and measures it at every step: the first stretch
// too narrow or too low for the player is the opening. Null when none is.
ReachWarnings::Opening* ReachWarnings::openingOnWay(const std::vector<core::vector3df>& way) {
    const f32 needWidth = 2 * reach.capsule.radius + FITS, needHeight = reach.capsule.height + FITS;
    Opening found;
    bool inside = false, passed = false;
    core::vector3df first, last, narrowShift;
    for (size_t i = 1; i < way.size() && !passed; ++i) {
        const core::vector3df from = way[i - 1], to = way[i];
        core::vector3df along(to.X - from.X, 0, to.Z - from.Z);
        const f32 length = from.getDistanceFrom(to);
        if (length <= 0) continue;
        along.normalize();
        const core::vector3df across(-along.Z, 0, along.X), up(0, 1, 0);
        for (f32 s = 0; s <= length && !passed; s += SAMPLE) {
            measured += double(RAYS_PER_SAMPLE) * double(geometry->triangles().size());
            if (measured > MEASURING_BUDGET) return nullptr;
            core::vector3df floor = from + (to - from) * (s / length), hit;
            if (floorBelow(floor, &hit)) floor = hit;
            const SolidTriangle* roof = geometry->firstHit(core::line3df(floor + up * FITS, floor + up * FAR), nullptr, &hit);
            const f32 height = roof ? hit.Y - floor.Y : FAR;
            f32 width = FAR;
            const GameObject* side = nullptr;
            core::vector3df shift;  // from the way to the middle of the narrowest span
            // Across the way, and a little askew (a way may cross a doorway slantwise), at the
            // heights the capsule fills above a step, below the roof.
            for (f32 h = reach.stepHeight + 0.1f; h < std::min(height, reach.capsule.height); h += 0.9f)
                for (f32 turn = -ASKEW; turn <= ASKEW; turn += ASKEW / 3) {
                    core::vector3df side1 = across;
                    side1.rotateXZBy(turn);
                    const core::vector3df middle = floor + up * h;
                    core::vector3df left, right;
                    const SolidTriangle* l = geometry->firstHit(core::line3df(middle, middle + side1 * FAR), nullptr, &left);
                    const SolidTriangle* r = geometry->firstHit(core::line3df(middle, middle - side1 * FAR), nullptr, &right);
                    const f32 w = (l ? left.getDistanceFrom(middle) : FAR) + (r ? right.getDistanceFrom(middle) : FAR);
                    if (w >= width) continue;
                    width = w;
                    side = l ? l->owner : r ? r->owner : nullptr;
                    shift = l && r ? (left + right) / 2 - middle : core::vector3df();
                    shift.Y = 0;
                }
            const bool narrow = width < needWidth, low = height < needHeight;
            if (narrow || low) {
                if (!inside) first = floor;
                inside = true;
                last = floor;
                if (narrow && width < found.width) found.width = width, found.wall = side, narrowShift = shift;
                if (low && height < found.height) found.height = height, found.wall = found.wall ? found.wall : roof->owner;
            } else {
                passed = inside;
            }
        }
    }
    if (!inside || !found.wall) return nullptr;
    found.at = (first + last) / 2 + narrowShift;
    found.at.Y = floorHeight(found.at);
    // Ways to different places may pass the same opening a little apart.
    for (const auto& known : openings)
        if (known->wall == found.wall && known->at.getDistanceFrom(found.at) < SAME_OPENING * reach.capsule.height)
            return known.get();
    openings.push_back(std::make_unique<Opening>(found));
    return openings.back().get();
}

void ReachWarnings::warnOpenings() {
    for (const auto& opening : openings) {
        std::string size, shortText;
        if (opening->width < FAR) size = "only " + number(opening->width) + " wide", shortText = number(opening->width) + " WIDE";
        if (opening->height < FAR) {
            size += std::string(size.empty() ? "" : " and ") + "only " + number(opening->height) + " high";
            shortText += std::string(shortText.empty() ? "" : ", ") + number(opening->height) + " HIGH";
        }
        std::string beyond;
        for (const std::string& name : opening->beyond) beyond += (beyond.empty() ? "" : ", ") + name;
        warnings[opening->wall].push_back(
            {"it leaves an opening at " + formatVector(rounded(opening->at)) + " " + size + ": the player (" +
                 number(2 * reach.capsule.radius) + " wide, " + number(reach.capsule.height) +
                 " high) cannot pass it to reach " + beyond, shortText});
        const core::vector3df half(reach.capsule.radius, 0, reach.capsule.radius);
        marked.push_back({core::aabbox3df(opening->at - half, opening->at + half + core::vector3df(0, 1, 0)), shortText, false,
                          opening->wall});
    }
}

// The navigation mesh follows the floor to about a cell's height: the floor itself is where it is.
const SolidTriangle* ReachWarnings::floorBelow(const core::vector3df& point, core::vector3df* hit) const {
    const core::vector3df up(0, 0.5f, 0);
    return geometry->firstHit(core::line3df(point + up, point - up * 2), nullptr, hit);
}

f32 ReachWarnings::floorHeight(const core::vector3df& point) const {
    core::vector3df hit;
    return floorBelow(point, &hit) ? rounded(hit).Y : rounded(point).Y;
}

const GameObject* ReachWarnings::ownerBelow(const core::vector3df& point) const {
    core::vector3df hit;
    const SolidTriangle* t = floorBelow(point, &hit);
    return t ? t->owner : nullptr;
}

std::vector<Warning> ReachWarnings::about(const GameObject& object) const {
    auto found = warnings.find(&object);
    return found == warnings.end() ? std::vector<Warning>() : found->second;
}
