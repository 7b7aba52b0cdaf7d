#pragma once
// Level meshes (all but the checked .irrmesh) and every image reach the game only as what the
// decoding helper hands back (DecoderProcess). The level check decodes the files a level names
// while it still knows the node to name in its line; Irrlicht's later load of the same file is
// served from that decode. Irrlicht's readers are installed behind ours and never asked: a
// file the helper cannot decode becomes an empty mesh or a blank texture, with one line.

#include "level/DecoderReply.h"

#include <irrlicht.h>

#include <string>

// True for the mesh files the helper decodes: every kind but .irrmesh (and its .xml spelling).
bool meshDecodedInHelper(const char* path);

// Empty when the file is a regular file of sane size and the helper decoded it (the result is
// kept for Irrlicht's load); otherwise why not, as the tail of a sentence.
std::string decodedFileProblem(const char* path, bool image);

// Drops what the level check decoded and Irrlicht did not load.
void forgetDecodedFiles();

// A new level starts: nothing decoded is held, and its textures have their whole budget (at most
// 1024 of them and 256 MiB of pixels; a texture past it is refused with one line).
void beginLevelContent();

// Puts the helper-backed mesh and image readers, and the checked .irrmesh reader, in front of
// Irrlicht's own.
void installSandboxedReaders(irr::IrrlichtDevice* device);
