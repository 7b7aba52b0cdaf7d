#pragma once
// What the decoding helper hands back over its pipe: plain vertices, indices and pixels, never
// anything of a third-party reader's own. The game reads a reply as untrusted bytes: a helper
// that a hostile file took over may write anything, so every count, index and number is checked
// before the game builds a mesh or an image from it.
//
// A reply, in this machine's byte order:
//   "VDR1", then one kind byte
//   'M' mesh:    u32 buffers; per buffer u32 vertices, u32 indices, u32 texture name length,
//                the name, the vertices (DecodedVertex each), the indices (u32 each)
//   'I' image:   u32 width, u32 height, width * height pixels (u32 A8R8G8B8 each)
//   'R' refused: one reason byte (DecoderRefusal); the helper's reader did not take the file

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct DecodedVertex {
    float position[3];
    float normal[3];
    std::uint32_t colour;  // A8R8G8B8
    float uv[2];
};

static_assert(sizeof(DecodedVertex) == 36, "a vertex crosses the pipe as 36 bytes");

struct DecodedBuffer {
    std::vector<DecodedVertex> vertices;
    std::vector<std::uint32_t> indices;  // triangles, each naming a vertex of this buffer
    std::string texture;                 // the first texture's file, empty for none
};

struct DecodedContent {
    std::vector<DecodedBuffer> buffers;    // of a mesh
    std::uint32_t width = 0, height = 0;   // of an image
    std::vector<std::uint32_t> pixels;     // of an image, rows top to bottom
    std::string problem;  // why the reply cannot be used, as the tail of a sentence
};

// Caps on what one reply may hold; a helper that claims more is not believed.
const std::size_t MAX_DECODED_BUFFERS = 4096;
const std::uint32_t MAX_IMAGE_SIDE = 8192;
const std::size_t MAX_TEXTURE_NAME = 1024;

std::string encodeMeshReply(const std::vector<DecodedBuffer>& buffers);
std::string encodeImageReply(std::uint32_t width, std::uint32_t height, const std::vector<std::uint32_t>& pixels);
enum DecoderRefusal : std::uint8_t { NO_READER, READER_FAILED, TOO_MANY_TRIANGLES, RUNS_PAST_IMAGE };

std::string encodeRefusal(DecoderRefusal why);

// The mesh or image a reply holds; `wantImage` says which the game asked for.
DecodedContent readReply(std::string_view reply, bool wantImage);
