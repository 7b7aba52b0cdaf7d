#include "PlayerSize.h"

#include "physics/PhysicsSystem.h"
#include "world/Player.h"

#include <NxScene.h>

PlayerReach playerReach(const Player& player) {
    vphysx::NxVec3 gravity(0, 0, 0);
    if (vphysx::NxScene* scene = PhysicsSystem::instance().scene) scene->getGravity(gravity);
    const float fall = gravity.y < 0 ? -gravity.y : 0;
    PlayerReach reach{};
    reach.jumpHeight = fall > 0 ? Player::JUMP_SPEED * Player::JUMP_SPEED / (2 * fall) : 0;
    reach.stepHeight = PhysicsSystem::STEP_HEIGHT;
    reach.capsule.radius = player.radius;
    reach.capsule.height = player.height + 2 * player.radius;
    // The controller lifts by its step in mid-air too: at the top of a jump the capsule gets
    // onto a ledge a step above its bottom.
    reach.capsule.climb = reach.jumpHeight + reach.stepHeight;
    reach.capsule.slopeDegrees = PhysicsSystem::SLOPE_LIMIT_DEGREES;
    reach.jumpTop = reach.jumpHeight + reach.capsule.height;
    return reach;
}
