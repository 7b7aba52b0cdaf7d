#pragma once
// The wave-lit shader pair built for an exact number of waves. The pixel file reads its records
// in a loop up to the end marker, and each record through a per-pixel gather, which a software
// rasteriser pays for on every pixel; built for k waves, the loop is written out with constant
// indices, and the first records are read once per vertex and handed on as flat varyings. The
// files opt in by using WAVE_COUNT, WAVE_SUM and WAVE_VARYINGS (see shader.vsh, shader2.fsh); a
// file that ignores them still finds the end marker the game sends after the k records.

#include <string>

namespace Graphics {

// Records handed from the vertex to the pixel stage at most: two vec4s each, in the 32 vec4
// varyings a software rasteriser allows, beside the position, normal and colour.
const int MAX_VARYING_WAVES = 14;

struct ShaderPair {
    std::string vertex, pixel;
};

// Both sources with, after their #version line (or first, without one), the definitions of
// WAVE_COUNT (k) and WAVE_SUM (vec3(0.0) + waveLight(0) + waveLight(9) + ... for k records);
// and, when both files use WAVE_VARYINGS, k > 0 and the pixel file marks the part the vertex
// stage shares ("// Shared with the vertex stage: begin" up to "...: end"), those of
// WAVE_VARYINGS (records passed as varyings, at most MAX_VARYING_WAVES), at version 1.30, with
// that part copied into the vertex stage after them; the sum then takes the passed records
// through passedLight(0), passedLight(9), ...
// With `andTheRest`, WAVE_COUNT is MOST_WAVES and WAVE_SUM goes on through addWaves from the
// k-th record up to the end marker.
ShaderPair fixedCountShaders(const std::string& vertex, const std::string& pixel, int waves,
                             bool andTheRest);

}  // namespace Graphics
