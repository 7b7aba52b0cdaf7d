#pragma once
// The debug views a level file can turn on for a mesh node (DebugDataVisible: bounding boxes,
// normals, wireframe), drawn over the node as the scene manager draws them, for the nodes the
// wave-lit drawing takes out of its hands.

#include <irrlicht.h>

namespace Graphics {

void drawDebugOverlay(irr::scene::ISceneManager* scene, irr::scene::IMeshSceneNode* node);

}  // namespace Graphics
