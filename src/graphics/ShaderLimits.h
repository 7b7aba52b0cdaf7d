#pragma once
// Shader files come with the game's content, so they are held to limits: no shader of ours comes
// near either. A small file can still loop for seconds per pixel, so a frame drawn with the wave
// shaders that takes longer than kSlowestShadedFrameMs turns them off, as F2 does.

#include <cstdint>

constexpr std::uintmax_t kMostShaderBytes = std::uintmax_t(64) << 10;
constexpr unsigned kSlowestShadedFrameMs = 5000;
