#pragma once
// The light of a cane tap: a fast, cold-white pulse from the cane's tip whose light lingers.
// Whatever its front passes stays lit and fades over two and a half seconds, so a single frame
// shows the room round the player for a while after a tap. It grows to a radius of 80 at 80
// units a second (nearly seven times walking speed): from the middle of the shipped hall
// (90 x 90) the front reaches the walls in about 0.6 s.

#include <irrlicht.h>

class WaveManager;

// Sends the wave of a tap whose tip touches the floor at `tip`.
void sendCaneTapWave(WaveManager& waves, const irr::core::vector3df& tip);
