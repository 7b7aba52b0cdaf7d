// Fuzz bytes as a level's mesh or image file, decoded the way the game decodes one: by the
// helper, under its limits. The first byte picks the kind of file (and so Irrlicht's reader);
// whatever the reader does with the rest, the game gets a reason or a mesh or image it can use.
#include "level/DecodedMesh.h"
#include "level/DecoderProcess.h"
#include "level/DecoderReply.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

struct Kind {
    const char* extension;
    bool image;
};

const Kind KINDS[] = {{"obj", false}, {"ply", false}, {"x", false},   {"md2", false}, {"b3d", false},
                      {"3ds", false}, {"stl", false}, {"tga", true},  {"bmp", true},  {"png", true}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const Kind& kind = KINDS[data[0] % std::size(KINDS)];
    DecoderRun run = runDecoder(kind.image, std::string("fuzz.") + kind.extension,
                                std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    if (!run.problem.empty() && !run.reply.empty()) std::abort();
    if (!run.problem.empty()) return 0;
    DecodedContent decoded = readReply(run.reply, kind.image);
    if (!decoded.problem.empty() || kind.image) return 0;
    buildDecodedMesh(decoded, nullptr)->drop();
    return 0;
}
