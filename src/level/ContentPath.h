#pragma once
// Level content may only name files inside the game folder (the working directory the game
// runs in): a level must not read "../elsewhere/x.irrmesh", "/home/someone/x.wav" or a link that
// leads out of the folder.

#include <string>
#include <string_view>

// The path, relative to the working directory or absolute, stays inside it once every symbolic
// link is resolved. False too when it cannot be resolved (a loop of links, a name too long).
bool insideGameFolder(const std::string& path);

// Empty when insideGameFolder; otherwise why not, as the tail of a sentence: "is outside the game
// folder", "is longer than any file name may be" or "cannot be followed (a loop of links)".
std::string gameFolderProblem(const std::string& path);

// The level file attribute names a file the game or Irrlicht will read: a mesh, a texture or a
// sound.
bool namesContentFile(std::string_view element, std::string_view attribute);
