#pragma once
// A mesh the decoding helper handed back, as Irrlicht meshes are held: a buffer of up to 65,535
// vertices with 16-bit indices, a larger one with 32-bit indices. A texture it names is checked
// as any content file (outside the game folder it is left out, with one line) and then loaded
// through the driver (and so decoded by the helper too).

#include "level/DecoderReply.h"

#include <irrlicht.h>

// A new mesh (the caller drops it); empty when `decoded` holds a problem. `driver` may be null:
// the mesh then has no textures. `meshName` names the mesh file in lines.
irr::scene::IAnimatedMesh* buildDecodedMesh(const DecodedContent& decoded, const char* meshName,
                                            irr::video::IVideoDriver* driver);
