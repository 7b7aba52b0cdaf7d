#pragma once
// What the game's C++ relies on of the wave-lit pixel shader's formula (shader2.fsh): how far
// a record's light reaches around its radius, where the record list ends and how many records
// the shader reads. The tiled drawing culls waves and counts records by these, so they are the
// shader's own numbers, kept here once: the shader files are content read at run time, so the
// C++ cannot hand them to the shader; a test reads the shipped shader and fails when they differ.

#include <irrlicht.h>

namespace Graphics {

// FRONT: a pulse's front rises to full brightness over this much ahead of its radius...
constexpr irr::f32 kFrontAhead = 0.3f;
// ... and fades over twice that behind it (front = 1 - behind * 0.5 / FRONT).
constexpr irr::f32 kFrontBehind = kFrontAhead / 0.5f;

// The shader reads no more records than this (its WAVE_COUNT when the game defines none).
constexpr int MOST_WAVES = 64;

// The record after the last: nine of these; the shader tests its radius and intensity.
constexpr irr::f32 kEndMarkerValue = -1.0f;
inline bool isEndMarker(const irr::f32* record) {
    return record[7] == kEndMarkerValue && record[6] == kEndMarkerValue;
}

}  // namespace Graphics
