#pragma once
// The player's capsule and what it gets onto, from the game's own settings: the player's size,
// the controller's step height and slope limit, and the jump under the scene's gravity.

#include "WalkableFloor.h"

class Player;

struct PlayerReach {
    AgentSize capsule;
    float jumpHeight;  // how far the capsule's bottom rises in a jump
    float stepHeight;  // the highest ledge it walks onto
    float jumpTop;     // the highest its top reaches above the floor, jumping
};

PlayerReach playerReach(const Player& player);
