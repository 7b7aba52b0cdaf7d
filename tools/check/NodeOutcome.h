#pragma once
// What the game made of one level node, in words: static geometry, a loose object of some mass,
// an emitter with its wave, the player's start, ...

#include <irrlicht.h>

#include <string>

struct GameObject;
class CIrrKlangSceneNode;

// node: the loaded scene node; object: its registered object, or null.
std::string describeNode(irr::scene::ISceneNode& node, const GameObject* object);

// How many pulses one pass of the emitter's analysed sound sends at its threshold.
int beatsPerPass(const CIrrKlangSceneNode& emitter);

// "(1, 0.5, 2)"
std::string formatVector(const irr::core::vector3df& v);
