#include "world/Player.h"

#include "physics/PhysicsSystem.h"
#include "world/GameObject.h"
#include "world/WorldEvents.h"
#include "graphics/GraphicsSystem.h"

#include <NxController.h>

#include <cmath>

using namespace irr;
using namespace vphysx;

namespace {

const NxU32 ACTIVE_GROUPS = 3;
const NxF32 MIN_DISTANCE = 0.01f;
const NxF32 SHARPNESS = 1.0f;

}  // namespace

Player::Player(scene::ICameraSceneNode* camera)
    : camera(camera), controller(nullptr), height(2.0f), radius(1.0f), pitch(0.0f), yaw(0.0f),
      forward(0, 0, 0), side(0, 0, 0), airborne(false), moved(false), verticalSpeed(0.0f),
      jumping(false), held(nullptr) {
    controller = PhysicsSystem::instance().createCapsuleController(height, radius, 0);
}

void Player::setPosition(float x, float y, float z) {
    if (controller) controller->setPosition(NxExtendedVec3(x, y, z));
}

void Player::moveForward(float amount) { moveHorizontally(forward, amount); }

void Player::strafe(float amount) { moveHorizontally(side, amount); }

// Uses last frame's vectors without renormalising: looking up or down slows walking.
void Player::moveHorizontally(const core::vector3df& v, float amount) {
    moveController(v.X * amount, 0, v.Z * amount);
    moved = true;
}

// The collision flags of the move; none without a controller.
NxU32 Player::moveController(float x, float y, float z) {
    NxU32 flags = 0;
    if (controller) controller->move(NxVec3(x, y, z), ACTIVE_GROUPS, MIN_DISTANCE, flags, SHARPNESS);
    return flags;
}

void Player::update() {
    placeCamera();
    moveVertically();
    if (moved && !airborne) playFootstep(side, false, false);
    updateHeld();
    moved = false;
}

void Player::placeCamera() {
    core::vector3df p(0, 0, 0);
    if (controller) {
        const NxExtendedVec3& c = controller->getPosition();
        p.set(static_cast<f32>(c.x), static_cast<f32>(c.y), static_cast<f32>(c.z));
    }
    const f32 toRadians = 0.017453292f;
    f32 pr = pitch * toRadians;
    f32 yr = yaw * toRadians;
    core::vector3df f(std::cos(pr) * std::sin(yr), -std::sin(pr), std::cos(pr) * std::cos(yr));
    forward = f;
    forward.normalize();
    side = forward.crossProduct(camera->getUpVector());
    side.normalize();
    core::vector3df eye = p + core::vector3df(0, height, 0);
    camera->setTarget(eye + f);
    camera->setPosition(eye);
}

void Player::moveVertically() {
    const bool onGround = !airborne && !jumping;
    f32 t = GraphicsSystem::instance().frameTime / 1000.0f;
    NxScene* scene = PhysicsSystem::instance().scene;
    NxVec3 gravity(0, 0, 0);
    if (scene) scene->getGravity(gravity);
    f32 dv = gravity.y * t;
    f32 dy = t * (verticalSpeed + 0.5f * dv);
    verticalSpeed += dv;

    NxU32 flags = moveController(0, dy, 0);
    if (onGround && !(flags & (NXCC_COLLISION_DOWN | NXCC_COLLISION_UP))) flags = followGround();
    if (flags & NXCC_COLLISION_DOWN) {
        // The ground stops any fall, so walking off a ledge later starts from rest.
        verticalSpeed = 0;
        if (jumping) {
            jumping = false;
            playFootstep(side, true, true);
        }
        airborne = false;
    } else {
        airborne = true;
        if (flags & NXCC_COLLISION_UP) verticalSpeed = -verticalSpeed;
    }
}

// Down a slope or a small step the ground falls away faster than a fall from rest: a player who
// was on the ground keeps to it while it lies within a step below. Beyond a ledge the player
// stays put and falls from there.
NxU32 Player::followGround() {
    if (!controller) return 0;
    const NxExtendedVec3 before = controller->getPosition();
    NxU32 flags = moveController(0, -PhysicsSystem::STEP_HEIGHT, 0);
    if (!(flags & NXCC_COLLISION_DOWN)) controller->setPosition(before);
    return flags;
}
