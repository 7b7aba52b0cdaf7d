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
    if (status != NX_TRIGGER_ON_ENTER && status != NX_TRIGGER_ON_LEAVE) return;
    const GameWorld& world = GameWorld::instance();
    const irr::s32 trigger = idOf(triggerShape.getActor());
    // A trigger that is no level object has no script to tell.
    if (!world.findObject(trigger)) return;
    const NxActor& other = otherShape.getActor();
    const bool isPlayer = world.player && world.player->controller && world.player->controller->getActor() == &other;
    // Anything else that is no level object (an obstacle's capsule, tagged -1) is nothing a
    // script could name.
    if (!isPlayer && !world.findObject(idOf(other))) return;
    queueTriggerEvent(trigger, isPlayer ? 0 : idOf(other), status == NX_TRIGGER_ON_ENTER);
}
