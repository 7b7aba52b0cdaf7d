#include "graphics/FixedCountShader.h"

namespace Graphics {

std::string fixedCountShader(const std::string& source, int waves) {
    std::string defines = "#define WAVE_COUNT " + std::to_string(waves) + "\n";
    // Added in the loop's order from zero, so the sum is the loop's to the last bit.
    defines += "#define WAVE_SUM (vec3(0.0)";
    for (int i = 0; i < waves; ++i) defines += " + waveLight(" + std::to_string(9 * i) + ")";
    defines += ")\n";

    size_t version = source.find("#version");
    size_t at = 0;
    if (version != std::string::npos) {
        size_t end = source.find('\n', version);
        at = end == std::string::npos ? source.size() : end + 1;
    }
    std::string text = source.substr(0, at);
    if (at > 0 && text.back() != '\n') text += '\n';
    return text + defines + source.substr(at);
}

}  // namespace Graphics
