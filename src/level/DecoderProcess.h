#pragma once
// Level meshes and images are decoded by a short-lived helper program (velmora-decode), never in
// the game: a reader that a hostile file crashes, hangs or drives into endless allocation takes
// only the helper down. The helper gets the file's bytes and name, runs under limits of
// processor time, memory and files, and has a wall-clock deadline; what it hands back is read as
// untrusted bytes (DecoderReply).

#include <string>
#include <string_view>

struct DecoderRun {
    std::string reply;    // the helper's whole output when problem is empty
    std::string problem;  // why there is none, as the tail of a sentence: "was not decoded (...)"
};

// Limits of one helper run.
const unsigned DECODER_SECONDS = 2;                                // processor time, and wall clock
const std::size_t DECODER_MEMORY_BYTES = std::size_t(768) << 20;   // address space
const std::size_t DECODER_REPLY_BYTES = std::size_t(96) << 20;     // what it may hand back

// Decodes `bytes`, read from the file `name` (its extension picks the reader), as an image or
// a mesh.
DecoderRun runDecoder(bool image, std::string_view name, std::string_view bytes);

// The helper is looked for beside the running program, then where the build put it.
void useDecoderProgram(const std::string& path);
