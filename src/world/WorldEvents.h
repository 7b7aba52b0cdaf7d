#pragma once
// Where the world reaches into sound, scripts and the screen: one function each, so the player
// and the world update name the event and nothing more.

#include <irrlicht.h>

struct GameObject;

// A footstep request at the player's feet; side points to the player's left.
void playFootstep(const irr::core::vector3df& side, bool force, bool bothFeet);

// Calls the object's script function `event` ("OnTick", "OnUse") if the object has a script.
void runScriptEvent(GameObject* object, const char* event);

// The use key found nothing in reach: a soft, dull tap of the empty hand.
void playEmptyHandTap(const irr::core::vector3df& hand);

// Whether the dot that shows where use aims is drawn (not while something is carried).
void showAimDot(bool shown);
