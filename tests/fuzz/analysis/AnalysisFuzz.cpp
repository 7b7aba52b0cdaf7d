// A sound analysis file made of fuzz bytes, read as the level loader reads one beside each
// emitter's sound: at most one line, and the levels and colours always pair up.
#include "sound/SoundAnalysisReader.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("velmora-fuzz-" + std::to_string(getpid()) + ".xml"))
            .string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    std::vector<irr::f32> levels;
    std::vector<irr::core::vector3df> colours;
    readSoundAnalysis(path.c_str(), levels, colours);
    if (levels.size() != colours.size()) std::abort();
    for (const irr::core::vector3df& colour : colours)
        for (irr::f32 channel : {colour.X, colour.Y, colour.Z})
            if (!(channel >= 0.4f && channel <= 1.0f)) std::abort();
    std::filesystem::remove(path);
    return 0;
}
