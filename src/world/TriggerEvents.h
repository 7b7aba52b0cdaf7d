#pragma once
// What enters and leaves the trigger volumes. The physics step reports overlaps while it runs,
// when no script may; the reports wait here in the order they happened, and the world update
// hands them to the triggers' scripts in one go, before any OnTick of its frame:
//   OnPlayerEnter() / OnPlayerLeave()        the player's capsule
//   OnObjectEnter(id) / OnObjectLeave(id)    any other level object (a loose crate, a '3' object)
// Each is optional; a script without it simply does not hear of that kind of report. An object
// that loses its actor while inside (the weapon taken) leaves, as if it had moved out.

#include <irrlicht.h>

// The player's capsule is otherId 0.
void queueTriggerEvent(irr::s32 triggerId, irr::s32 otherId, bool entered);

// Calls the scripts for every waiting report, oldest first, and forgets them.
void deliverTriggerEvents();

// A new level: nothing waits and nothing is inside.
void forgetTriggerEvents();
