#pragma once
// Once the player has asked to quit, the game ends within a bound whatever the level loaded:
// tidying up a huge level (its meshes, physics world, decoded sounds) is cut short.

// Starts the clock; the process ends with exit status 0 when tidying up outlasts it.
void boundTheQuit();
