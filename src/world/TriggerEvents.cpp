#include "world/TriggerEvents.h"

#include "scripting/ObjectScript.h"
#include "world/GameWorld.h"

#include <set>
#include <utility>
#include <vector>

namespace {

struct TriggerEvent {
    irr::s32 triggerId;
    irr::s32 otherId;  // 0: the player
    bool entered;
};

std::vector<TriggerEvent> waiting;
std::set<std::pair<irr::s32, irr::s32>> inside;  // (trigger, object) entered and not yet left

// Physics forgets the overlaps of an actor it releases (the weapon taken off a pad) without a
// word: an object inside that has lost its actor has left.
void leaveWithoutActors(std::vector<TriggerEvent>& events) {
    const GameWorld& world = GameWorld::instance();
    for (const auto& [triggerId, otherId] : inside) {
        const GameObject* other = world.findObject(otherId);
        if (other && !other->actor) events.push_back({triggerId, otherId, false});
    }
}

void deliver(const TriggerEvent& event) {
    if (event.entered)
        inside.insert({event.triggerId, event.otherId});
    else
        inside.erase({event.triggerId, event.otherId});
    GameObject* trigger = GameWorld::instance().findObject(event.triggerId);
    if (!trigger) return;
    if (event.otherId == 0)
        callOptionalEvent(*trigger, event.entered ? "OnPlayerEnter" : "OnPlayerLeave", std::nullopt);
    else
        callOptionalEvent(*trigger, event.entered ? "OnObjectEnter" : "OnObjectLeave", event.otherId);
}

}  // namespace

void queueTriggerEvent(irr::s32 triggerId, irr::s32 otherId, bool entered) {
    waiting.push_back({triggerId, otherId, entered});
}

void deliverTriggerEvents() {
    std::vector<TriggerEvent> now;
    leaveWithoutActors(now);
    now.insert(now.end(), waiting.begin(), waiting.end());
    waiting.clear();  // a script's doing reports in the next step, not in this loop
    for (const TriggerEvent& event : now) deliver(event);
}

void forgetTriggerEvents() {
    waiting.clear();
    inside.clear();
}
