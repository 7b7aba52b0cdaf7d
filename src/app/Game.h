#pragma once
// Start-up and one pass of the frame loop, shared by the game, the demo and the tests.

// Brings the subsystems up in their fixed order and loads the level.
void startUp();

// One frame: world update, input begin, physics, sound, waves, render, input end.
// False when the world update ends the game; the frame's body then does not run.
bool runFrame();
