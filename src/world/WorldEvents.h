#pragma once
// Where the world reaches into sound and scripts: one function each, so the player and the world
// update name the event and nothing more.

#include <irrlicht.h>

struct GameObject;

// A footstep request at the player's feet; side points to the player's left.
void playFootstep(const irr::core::vector3df& side, bool force, bool bothFeet);

// Calls the object's script function `event` ("OnTick", "OnUse") if the object has a script.
void runScriptEvent(GameObject* object, const char* event);
