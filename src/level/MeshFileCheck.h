#pragma once
// Irrlicht's .irrmesh reader trusts its file: a negative vertexCount makes it allocate without
// end, an unknown vertex type or indices before vertices make it use a buffer it never made, and
// an index past the vertices is drawn from beyond the buffer; a texture that is a directory makes
// it allocate without end. A mesh file is checked for all of that before a level node may load it.

#include <string>
#include <string_view>

// Empty when the .irrmesh text is safe to read; otherwise why not, as the tail of a sentence
// ("has a vertexCount that is not a count (line 4)").
std::string meshTextProblem(std::string_view text);

// The same for a mesh file a level names: any mesh must be a regular file of sane size, and an
// .irrmesh (or .xml) must pass meshTextProblem.
std::string meshFileProblem(const char* path);
