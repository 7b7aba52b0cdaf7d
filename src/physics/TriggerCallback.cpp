#include "physics/TriggerCallback.h"

#include "world/GameWorld.h"
#include "world/Player.h"
#include "world/TriggerEvents.h"

#include <NxActor.h>
#include <NxController.h>
#include <NxShape.h>

#include <cstdint>

using namespace vphysx;

namespace {

irr::s32 idOf(const NxActor& actor) {
    return static_cast<irr::s32>(reinterpret_cast<std::intptr_t>(actor.userData));
}

}  // namespace

void TriggerCallback::onTrigger(NxShape& triggerShape, NxShape& otherShape, NxTriggerFlag status) {
    const irr::s32 trigger = idOf(triggerShape.getActor());
    // A trigger without an id is no level object: it has no script to tell.
    if (trigger == 0 || (status != NX_TRIGGER_ON_ENTER && status != NX_TRIGGER_ON_LEAVE)) return;
    const NxActor& other = otherShape.getActor();
    const Player* player = GameWorld::instance().player;
    const bool isPlayer = player && player->controller && player->controller->getActor() == &other;
    // Anything else without an id (an obstacle's capsule) is no level object a script could name.
    if (!isPlayer && idOf(other) == 0) return;
    queueTriggerEvent(trigger, isPlayer ? 0 : idOf(other), status == NX_TRIGGER_ON_ENTER);
}
