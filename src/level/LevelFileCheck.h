#pragma once
// The level file is checked before Irrlicht reads it. A file that would trip Irrlicht's reader
// (cut off, unclosed, not XML, nested deeper than any real level) is refused whole. Inside a
// sound file, what Irrlicht would take silently is repaired and reported: a number attribute
// that is not a finite number ("nan", "inf", "1e999", "x") becomes 0, a node whose mesh file
// is missing, not a regular file or broken gets no mesh, and one whose texture is a directory or
// huge gets no texture.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct LevelCheck {
    std::string problem;             // why the whole file is refused; empty when it is used
    std::string text;                // the level as Irrlicht is to read it, repairs made
    std::vector<std::string> lines;  // one report per repair ("Level: node ..."), the first few
    std::size_t unlisted = 0;        // repairs beyond those
};

// Mesh files the level names are looked up relative to the working directory.
LevelCheck checkLevelText(std::string_view text);
