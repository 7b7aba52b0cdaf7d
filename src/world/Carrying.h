#pragma once
// The heaviest object the player can pick up, in the physics layer's mass units. Anything
// heavier stays put, and like a closed door it stops sound.
const float MAX_CARRY_MASS = 100.0f;
