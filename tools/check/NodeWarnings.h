#pragma once
// What will surprise in play about one node, whatever its kind: a mesh node without a name, a
// mesh file that does not load, a missing "Scale" or "Visible", a script that lacks one of the
// three functions the game calls.
// Emitters have warnings of their own (EmitterWarnings.h).

#include "RawLevel.h"

#include <irrlicht.h>

#include <string>
#include <vector>

struct GameObject;

// node: the loaded node, or null when the game left the file's node out. meshReported: the game
// has already said why the node's mesh file gives no mesh.
std::vector<std::string> nodeWarnings(const RawNode& raw, irr::scene::ISceneNode* node,
                                      const GameObject* object, bool meshReported);
