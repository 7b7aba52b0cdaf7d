#pragma once
// Shader files come with the game's content, so they are held to limits: no shader of ours comes
// near any of them. A small file can still loop for seconds per pixel. Before a shader set is
// used, a probe draw of a small square with the most waves the shaders take tells what a whole
// frame would cost at worst; a set over kSlowestProbedFrameMs is not used (ours: about 270 at
// 1280 x 720 on a software rasteriser, 2,400 at 3840 x 2160). In play, only
// kSlowShadedFramesInARow frames running that each cost more than kSlowestShadedFrameMs turn the
// shaders off, as F2 does: one long frame is a stall far more often than the shaders' fault
// (see DrawCost.h).

#include <cstdint>

constexpr std::uintmax_t kMostShaderBytes = std::uintmax_t(64) << 10;
constexpr unsigned kSlowestProbedFrameMs = 5000;
constexpr unsigned kSlowestShadedFrameMs = 1000;
constexpr int kSlowShadedFramesInARow = 3;
constexpr int kShaderProbeSide = 64;  // pixels
