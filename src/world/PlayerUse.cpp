// Using objects: carrying light ones in front of the eye, and taking the weapon for good.
#include "world/Player.h"

#include "graphics/GraphicsSystem.h"
#include "world/Carrying.h"
#include "level/ConsoleText.h"
#include "world/GameObject.h"
#include "world/TooHeavy.h"
#include "world/WorldEvents.h"

#include <NxActor.h>
#include <NxScene.h>

#include <cmath>
#include <cstdio>
#include <cstring>

using namespace irr;
using namespace vphysx;

namespace {

const NxReal WAKE_COUNTER = 0.4f;  // seconds awake after a drop

bool waveShadingOn() {
    const GraphicsSystem& g = GraphicsSystem::instance();
    return g.shadersCreated && g.wavesApplied;
}

}  // namespace

bool isWeapon(const GameObject* object) {
    return object && object->node && std::strcmp(object->node->getName(), "weapon") == 0;
}

core::vector3df Player::handPosition() const {
    return camera->getAbsolutePosition() + forward * 0.7f + forward.crossProduct(side) * 0.5f;
}

void Player::use(GameObject* target) {
    if (!target) return;
    if (target->script) {
        std::printf("\t...executing OnUse script for %s\n", shownName(target->node->getName()).c_str());
        runScriptEvent(target, "OnUse");
    }
    NxActor* actor = target->actor;
    if (!actor || !actor->isDynamic()) return;
    if (actor->getMass() > MAX_CARRY_MASS) {
        // What moves by itself (a door on its hinge, a fan) is no load to lift.
        if (!actor->readBodyFlag(NX_BF_KINEMATIC)) answerTooHeavy(*target);
        return;
    }
    if (held && drop(false)) return;  // this use only put the carried object down
    if (isWeapon(target))
        pickUpWeapon(target);
    else
        grab(target);
}

void Player::grab(GameObject* object) {
    if (held) held->node->setVisible(false);  // the weapon waits in the inventory
    held = object;
    object->actor->raiseBodyFlag(NX_BF_DISABLE_GRAVITY);
    object->actor->raiseBodyFlag(NX_BF_KINEMATIC);
    object->actor->raiseActorFlag(NX_AF_DISABLE_COLLISION);
    if (waveShadingOn()) GraphicsSystem::instance().setMaterialVariant(object, 2);
}

bool Player::drop(bool keepVelocity) {
    if (!held || isWeapon(held)) return false;
    NxActor* actor = held->actor;
    actor->clearBodyFlag(NX_BF_DISABLE_GRAVITY);
    actor->clearBodyFlag(NX_BF_KINEMATIC);
    actor->clearActorFlag(NX_AF_DISABLE_COLLISION);
    actor->wakeUp(WAKE_COUNTER);
    if (!keepVelocity) {
        actor->setAngularVelocity(NxVec3(0, 0, 0));
        actor->setLinearVelocity(NxVec3(0, 0, 0));
    }
    if (waveShadingOn()) GraphicsSystem::instance().setMaterialVariant(held, 1);
    held = inventory.empty() ? nullptr : inventory.front();
    if (held) held->node->setVisible(true);
    return true;
}

void Player::releaseHeld() {
    if (held && !isWeapon(held)) drop(true);
}

void Player::pickUpWeapon(GameObject* object) {
    if (object->actor) object->actor->getScene().releaseActor(*object->actor);
    object->actor = nullptr;
    inventory.push_back(object);
    object->node->setParent(camera);
    object->node->setPosition(core::vector3df(0, 0, 0));
    // A second weapon goes into the inventory out of sight; the one in hand stays in hand.
    if (!held)
        held = object;
    else
        object->node->setVisible(false);
}

void Player::updateHeld() {
    if (!held) return;
    if (NxActor* actor = held->actor) {
        core::vector3df target = camera->getAbsolutePosition() + forward * 2.0f;
        actor->moveGlobalPosition(NxVec3(target.X, target.Y, target.Z));
        f32 y = yaw * 0.017453292f;
        NxMat33 turn(NxVec3(std::cos(y), 0, std::sin(y)), NxVec3(0, 1, 0),
                     NxVec3(-std::sin(y), 0, std::cos(y)));
        actor->moveGlobalOrientation(turn);
    } else {
        held->node->setRotation(core::vector3df(pitch, yaw, 0));
        held->node->setPosition(forward * 0.7f - side * 0.6f + forward.crossProduct(side) * 0.25f);
    }
    if (waveShadingOn()) GraphicsSystem::instance().setMaterialVariant(held, 2);
}
