#pragma once
// What a level may hold and still be played: every node is walked, every loose object simulated
// and every triangle drawn (on a software renderer, too) each frame. Nodes past a cap are left out of the scene,
// with their children, in the order the level file lists them; one line per cap says how many
// and names the first.

#include <irrlicht.h>

constexpr unsigned kMostNodes = 10000;             // of any type, empty ones included
constexpr unsigned kMostLooseObjects = 200;       // meshes that move, and figures
constexpr unsigned kMostLevelTriangles = 100000;  // of every node that draws triangles, together

// Applies the caps, and the judge of drawing cost (DrawCost.h), to the level loaded under `root`.
void capLevelScene(irr::scene::ISceneNode* root);
