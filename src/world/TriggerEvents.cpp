#include "world/TriggerEvents.h"

#include "scripting/ObjectScript.h"
#include "world/GameWorld.h"

#include <vector>

namespace {

struct TriggerEvent {
    irr::s32 triggerId;
    irr::s32 otherId;  // 0: the player
    bool entered;
};

std::vector<TriggerEvent> waiting;

}  // namespace

void queueTriggerEvent(irr::s32 triggerId, irr::s32 otherId, bool entered) {
    waiting.push_back({triggerId, otherId, entered});
}

void deliverTriggerEvents() {
    std::vector<TriggerEvent> now;
    now.swap(waiting);  // a script's doing reports in the next step, not in this loop
    for (const TriggerEvent& event : now) {
        GameObject* trigger = GameWorld::instance().findObject(event.triggerId);
        if (!trigger) continue;
        if (event.otherId == 0)
            callOptionalEvent(*trigger, event.entered ? "OnPlayerEnter" : "OnPlayerLeave", std::nullopt);
        else
            callOptionalEvent(*trigger, event.entered ? "OnObjectEnter" : "OnObjectLeave", event.otherId);
    }
}
