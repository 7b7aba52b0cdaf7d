#include "graphics/FixedCountShader.h"

#include "graphics/ShellFormula.h"

#include <algorithm>

namespace Graphics {

namespace {

const char* const SHARED_BEGIN = "// Shared with the vertex stage: begin";
const char* const SHARED_END = "// Shared with the vertex stage: end";

// The part of the pixel file between the two marker lines, or "" without them.
std::string sharedPart(const std::string& pixel) {
    const size_t begin = pixel.find(SHARED_BEGIN);
    if (begin == std::string::npos) return "";
    const size_t end = pixel.find(SHARED_END, begin);
    return end == std::string::npos ? "" : pixel.substr(begin, end - begin);
}

// `source` with `defines` after its #version line; that line says `version` if one is given.
std::string withDefines(const std::string& source, const std::string& defines,
                        const std::string& version) {
    size_t line = source.find("#version");
    size_t after = 0;
    if (line != std::string::npos) {
        size_t end = source.find('\n', line);
        after = end == std::string::npos ? source.size() : end + 1;
    }
    std::string head = source.substr(0, after);
    if (!version.empty())
        head = source.substr(0, line == std::string::npos ? 0 : line) + "#version " + version;
    if (!head.empty() && head.back() != '\n') head += '\n';
    return head + defines + source.substr(after);
}

}  // namespace

ShaderPair fixedCountShaders(const std::string& vertex, const std::string& pixel, int waves,
                             bool andTheRest) {
    std::string defines =
        "#define WAVE_COUNT " + std::to_string(andTheRest ? MOST_WAVES : waves) + "\n";
    std::string version;
    std::string shared;
    int passed = 0;
    const char* hook = "WAVE_VARYINGS";
    if (waves > 0 && vertex.find(hook) != std::string::npos && pixel.find(hook) != std::string::npos) {
        shared = sharedPart(pixel);
        if (!shared.empty()) {
            passed = std::min(waves, MAX_VARYING_WAVES);
            defines += "#define WAVE_VARYINGS " + std::to_string(passed) + "\n";
            version = "130";
        }
    }
    // Added in the loop's order from zero, so the sum is the loop's but for the rounding of
    // what the vertex stage worked out ahead.
    std::string sum = "vec3(0.0)";
    for (int i = 0; i < waves; ++i)
        sum += std::string(i < passed ? " + passedLight(" : " + waveLight(") +
               std::to_string(9 * i) + ")";
    if (andTheRest) sum = "addWaves(" + sum + ", " + std::to_string(9 * waves) + ")";
    defines += "#define WAVE_SUM (" + sum + ")\n";
    return ShaderPair{withDefines(vertex, defines + shared, version), withDefines(pixel, defines, version)};
}

}  // namespace Graphics
