// A sound file made of fuzz bytes, decoded as the first play of a level's sound decodes it:
// whatever its header claims, the result is bounded and either samples or a reason.
#include "Decoder.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("velmora-fuzz-" + std::to_string(getpid()) + ".snd"))
            .string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    vsound::DecodedSound sound = vsound::decodeMono(path.c_str());
    if (sound.error.empty() == sound.samples.empty()) std::abort();
    if (sound.samples.size() > (std::size_t(1) << 25)) std::abort();
    std::filesystem::remove(path);
    return 0;
}
