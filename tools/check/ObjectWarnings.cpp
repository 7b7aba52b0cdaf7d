#include "ObjectWarnings.h"

#include "BoxOverlap.h"

#include "level/ContentFile.h"
#include "luaplus/LuaObject.h"
#include "luaplus/LuaState.h"
#include "scripting/ObjectScript.h"
#include "world/GameObject.h"

#include <NxActor.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace irr;

namespace {

// Far beyond what the player lifts (100) and what a thrown crate of that mass can shift.
const f32 IMMOVABLE_MASS = 2000.0f;
// A box resting on a floor or against a wall touches it, and one a hair into a floor's trim is
// lifted out unnoticed: only cuts deeper than 2 % of its size and 0.1 units count (at most a
// quarter of its size, for small things).
const f32 TOUCHING = 0.02f;
const f32 SHALLOW = 0.1f;
// The top of the player's capsule when it jumps (4 tall, jumps 2.25): the highest a player
// or a carried object reaches above a floor.
const f32 REACH = 6.25f;
const f32 FAR = 1000.0f;
const int SAMPLES = 3;  // per axis, inside a trigger's box
const std::uintmax_t MAX_SCRIPT_BYTES = std::uintmax_t(1) << 20;
const char* const TRIGGER_EVENTS[] = {"OnPlayerEnter", "OnPlayerLeave", "OnObjectEnter", "OnObjectLeave"};

std::string number(f32 x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", x);
    return text;
}

core::aabbox3df worldBox(scene::ISceneNode& node) {
    node.updateAbsolutePosition();
    return node.getTransformedBoundingBox();
}

// The free span along one axis through the point: to the nearest static or kinematic surface
// each way; loose objects in the way are looked through, as they move aside.
f32 spanThrough(const LevelGeometry& level, const core::vector3df& point, const core::vector3df& axis,
                const GameObject& self) {
    f32 span = 0;
    for (f32 sign : {1.0f, -1.0f}) {
        const core::vector3df end = point + axis * sign * FAR;
        core::vector3df from = point, hit;
        f32 reach = FAR;
        while (const SolidTriangle* t = level.firstHit(core::line3df(from, end), &self, &hit)) {
            const char kind = t->owner->node->getName()[0];
            if (kind == '1' || kind == '3') {
                reach = hit.getDistanceFrom(point);
                break;
            }
            from = hit + axis * sign * 0.001f;
        }
        span += reach;
    }
    return span;
}

// The narrowest free span along the axis across the box, on lines through a grid of points in
// its middle cross-section.
f32 spanAcross(const LevelGeometry& level, const core::aabbox3df& box, const core::vector3df& axis,
               const GameObject& self) {
    const f32 fractions[] = {0.1f, 0.5f, 0.9f};
    f32 narrowest = 2 * FAR;
    for (f32 u : fractions)
        for (f32 v : fractions) {
            // u and v across the two other axes, the middle along this one
            const core::vector3df across = axis.X ? core::vector3df(0.5f, u, v)
                                         : axis.Y ? core::vector3df(u, 0.5f, v) : core::vector3df(u, v, 0.5f);
            narrowest = std::min(narrowest, spanThrough(level, box.MinEdge + box.getExtent() * across, axis, self));
        }
    return narrowest;
}

}  // namespace

ObjectWarnings::ObjectWarnings(const std::list<GameObject*>& objects) : level(objects) {
    for (const GameObject* object : objects) {
        if (!object->script) continue;
        const ContentFile file = readContentFile(scriptPathFor(object->node->getName()).c_str(), MAX_SCRIPT_BYTES);
        if (file.problem.empty()) scriptTexts.push_back(file.text);
    }
}

std::vector<std::string> ObjectWarnings::about(const GameObject& object) const {
    std::vector<std::string> out;
    if (!object.actor || object.node->getType() != scene::ESNT_MESH) return out;
    switch (object.node->getName()[0]) {
    case '1': break;
    case '2': triggerWarnings(object, out); break;
    case '3': kinematicWarnings(object, out); break;
    default: looseWarnings(object, out);
    }
    return out;
}

void ObjectWarnings::looseWarnings(const GameObject& object, std::vector<std::string>& out) const {
    scene::ISceneNode& node = *object.node;
    const core::aabbox3df box = worldBox(node);
    const core::vector3df size = box.getExtent(), centre = box.getCenter();
    const char* const axisNames[] = {"wide (x)", "tall (y)", "deep (z)"};
    const core::vector3df axes[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    const f32 sizes[] = {size.X, size.Y, size.Z};
    const GameObject* inside = level.solidAround(centre, &object);
    for (int i = 0; i < 3 && !inside; ++i) {
        const f32 span = spanAcross(level, box, axes[i], object);
        if (sizes[i] <= span * (1 + TOUCHING)) continue;
        out.push_back("it is " + number(sizes[i]) + " " + axisNames[i] + " but the space around it is only " +
                      number(span) + ": it cannot fit, so in play it jams, jitters and sounds without end");
        break;
    }
    if (inside) {
        out.push_back(std::string("it starts inside \"") + inside->node->getName() +
                      "\": the physics throws it out or it stays stuck, jittering");
    } else if (out.empty()) {
        if (const GameObject* other = cutInto(object))
            out.push_back(std::string("it starts cutting into \"") + other->node->getName() +
                          "\": the physics throws the two apart at the first step");
    }
    const f32 mass = object.actor->getMass();
    if (mass > IMMOVABLE_MASS)
        out.push_back("its mass " + number(mass) + " is far beyond what the player (who lifts 100) or an impact "
                      "can move: it stays put; a name starting with 1 makes it static geometry");
}

// Everything else taken into the object's own space, where its box is square to the axes.
const GameObject* ObjectWarnings::cutInto(const GameObject& object) const {
    scene::ISceneNode& node = *object.node;
    core::matrix4 toLocal;
    if (!node.getAbsoluteTransformation().getInverse(toLocal)) return nullptr;  // flat: no volume
    core::aabbox3df own = static_cast<scene::IMeshSceneNode&>(node).getMesh()->getBoundingBox();
    const core::vector3df extent = own.getExtent(), scale = node.getScale();
    auto shallow = [](f32 size, f32 scale) { return std::min(std::max(size * TOUCHING, SHALLOW / std::fabs(scale)), size / 4); };
    const core::vector3df margin(shallow(extent.X, scale.X), shallow(extent.Y, scale.Y), shallow(extent.Z, scale.Z));
    own = core::aabbox3df(own.MinEdge + margin, own.MaxEdge - margin);
    for (const SolidTriangle& t : level.triangles()) {
        if (t.owner == &object) continue;
        core::triangle3df local = t.triangle;
        toLocal.transformVect(local.pointA);
        toLocal.transformVect(local.pointB);
        toLocal.transformVect(local.pointC);
        if (triangleCutsBox(local, own)) return t.owner;
    }
    return nullptr;
}

void ObjectWarnings::kinematicWarnings(const GameObject& object, std::vector<std::string>& out) const {
    if (object.script) return;
    const std::string name = object.node->getName();
    for (const std::string& text : scriptTexts)
        if (text.find('"' + name + '"') != std::string::npos || text.find('\'' + name + '\'') != std::string::npos)
            return;
    out.push_back("no script can move it: it has no script of its own (" + scriptPathFor(name.c_str()) +
                  ") and no other script names \"" + name + "\"; it never moves");
}

bool ObjectWarnings::outOfReach(const GameObject& object) const {
    return object.actor && object.node->getType() == scene::ESNT_MESH && object.node->getName()[0] == '2' &&
           !reachable(worldBox(*object.node));
}

void ObjectWarnings::triggerWarnings(const GameObject& object, std::vector<std::string>& out) const {
    if (outOfReach(object))
        out.push_back("no object or player can reach it: it lies inside solid geometry or more than " +
                      number(REACH) + " above any floor; it never fires");
    if (!object.script) return;
    vlua::LuaObject globals = object.script->GetGlobals();
    for (const char* event : TRIGGER_EVENTS)
        if (globals[event].IsFunction()) return;
    out.push_back("its script defines none of OnPlayerEnter, OnPlayerLeave, OnObjectEnter, OnObjectLeave: "
                  "nothing happens when something enters it");
}

// Some point of the box is in the open, with a floor below within the player's reach.
bool ObjectWarnings::reachable(const core::aabbox3df& box) const {
    const core::vector3df size = box.getExtent();
    for (int i = 0; i < SAMPLES; ++i)
        for (int j = 0; j < SAMPLES; ++j)
            for (int k = 0; k < SAMPLES; ++k) {
                const core::vector3df at = box.MinEdge + size * core::vector3df(f32(2 * i + 1), f32(2 * j + 1),
                                                                                  f32(2 * k + 1)) / (2 * SAMPLES);
                if (level.solidAround(at, nullptr)) continue;
                core::vector3df hit;
                const SolidTriangle* floor =
                    level.firstHit(core::line3df(at, at - core::vector3df(0, REACH, 0)), nullptr, &hit);
                if (floor && floor->triangle.getNormal().Y > 0) return true;
            }
    return false;
}
