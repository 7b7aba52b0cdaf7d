// Fuzz bytes as a level's mesh or image file, decoded the way the game decodes one: by the
// helper's decoding (DecodeForFuzz.h). The first line names the file's extension (and so Irrlicht's
// reader); whatever the reader does with the rest, the game gets a reason or a mesh or image
// it can use.
#include "DecodeForFuzz.h"
#include "level/DecodedMesh.h"
#include "level/DecoderReply.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t newline = input.find('\n');
    if (newline == std::string_view::npos || newline > 8) return 0;
    std::string extension(input.substr(0, newline));
    const bool image = extension == "tga" || extension == "bmp" || extension == "png" || extension == "jpg";
    DecoderRun run = decodeForFuzz(image, "fuzz." + extension, input.substr(newline + 1));
    if (!run.problem.empty()) {
        if (!run.reply.empty()) std::abort();
    } else {
        DecodedContent decoded = readReply(run.reply, image);
        if (!image) buildDecodedMesh(decoded, "fuzz", nullptr)->drop();
    }
    return 0;
}
