// Fuzz bytes as the decoding helper's reply, as a helper that a hostile file took over might
// write it: the game's reading of it either refuses it with a reason or yields a mesh or image
// that holds exactly what it claims, from which the mesh the game draws is built.
#include "level/DecodedMesh.h"
#include "level/DecoderReply.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view reply(reinterpret_cast<const char*>(data), size);
    DecodedContent image = readReply(reply, true);
    if (image.problem.empty() && image.pixels.size() != std::size_t(image.width) * image.height) std::abort();
    DecodedContent mesh = readReply(reply, false);
    if (!mesh.problem.empty() && !mesh.buffers.empty()) std::abort();
    irr::scene::IAnimatedMesh* built = buildDecodedMesh(mesh, "fuzz", nullptr);
    if (built->getMesh(0)->getMeshBufferCount() != mesh.buffers.size()) std::abort();
    built->drop();
    return 0;
}
