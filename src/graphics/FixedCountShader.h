#pragma once
// The wave-lit fragment shader built for an exact number of waves. The shader file reads its
// records in a loop up to the end marker, and each record through a per-pixel gather, which a
// software rasteriser pays for on every pixel; built for k waves, the loop is written out with
// constant indices. The file opts in by using WAVE_COUNT and WAVE_SUM (see shader2.fsh); a file
// that ignores them still finds the end marker the game sends after the k records.

#include <string>

namespace Graphics {

// `source` with, after its #version line (or first, without one), the definitions of
// WAVE_COUNT (k) and WAVE_SUM (vec3(0.0) + waveLight(0) + waveLight(9) + ... for k records).
std::string fixedCountShader(const std::string& source, int waves);

}  // namespace Graphics
