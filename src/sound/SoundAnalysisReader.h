#pragma once
// Sound analysis files: XML beside a sound file that describes it in 100 ms steps. Every
// element named exactly "slot", at any depth and in document order, is one step; its first
// five child elements carry, each in its last attribute, the colour components c1..c4 and the
// level. A slot's colour is (0.4 + 0.6 * s / m) per channel for the sums c1+c2, c1+c3 and
// c3+c4, m being the largest sum; the channel of the largest sum is 1.0.

#include <irrlicht.h>

#include <string>
#include <string_view>
#include <vector>

// "sound.wav" gives "sound.xml"; names of one or two characters get "xml" appended whole.
irr::core::stringc analysisFileName(const irr::core::stringc& soundFileName);

// Appends one level and one colour per readable slot. A slot with fewer than five child
// elements or a child without an attribute is skipped; a missing or broken file adds nothing.
// Lines name the file and, when given, the emitter node it belongs to.
void readSoundAnalysis(const char* fileName, std::vector<irr::f32>& levels,
                       std::vector<irr::core::vector3df>& colours, std::string_view emitter = {});

// The line for an analysis file that is not used: "Sound: analysis file ... <problem>; ...".
void reportUnusedAnalysis(const char* fileName, std::string_view emitter, const std::string& problem);
