#pragma once
// Irrlicht's .irrmesh reader trusts its file: a negative vertexCount makes it allocate without
// end, an unknown vertex type or indices before vertices make it use a buffer it never made, and
// an index past the vertices is drawn from beyond the buffer; a texture that is a directory makes
// it allocate without end; counts past what a level may hold it reads whole before they are
// capped. A mesh file is checked for all of that before a level node may load it, and Irrlicht
// reads the very text that was checked (CheckedMeshLoader).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

const std::uintmax_t MAX_MESH_BYTES = std::uintmax_t(64) << 20;

struct MeshText {
    // Where the text names a texture outside the game folder: the mesh goes without it.
    struct Cut {
        std::size_t offset;
        std::size_t length;
    };

    std::string problem;  // why the mesh cannot be used, as the tail of a sentence
    std::vector<std::string> outsideTextures;
    std::vector<Cut> edits;
};

// The .irrmesh text judged. A problem reads like "has a vertexCount that is not a count (line 4)".
MeshText checkMeshText(std::string_view text);

// The text with the textures outside the game folder named no more.
std::string withoutOutsideTextures(std::string_view text, const MeshText& check);

// Empty when the .irrmesh text is safe to read; otherwise why not.
std::string meshTextProblem(std::string_view text);

// One line: the mesh file names a texture it may not, for `problem` ("is outside the game
// folder"); the mesh is drawn without it.
void reportTextureLeftOut(const std::string& meshName, const std::string& texture, const std::string& problem);

// The same for a mesh file a level names: any mesh must be a regular file of sane size, and an
// .irrmesh (or .xml) must pass meshTextProblem.
std::string meshFileProblem(const char* path);
