#pragma once
// The analysis file the game reads beside a sound: XML with one "slot" element per 100 ms in
// play order, each with five child elements carrying one value attribute apiece: the band
// energies low, mid, high and presence, then the level. The game colours a slot from the
// sums low + mid (red), low + high (green) and high + presence (blue).

#include <string>
#include <vector>

#include "SoundAnalyser.h"

// Where the game looks: the sound's name without its last three characters, then "xml"
// ("drip.wav" gives "drip.xml"); a name of one or two characters gets "xml" appended whole.
std::string analysisPathFor(const std::string& soundPath);

// Writes the slots of the sound named soundName to path. False, with the reason in `error`,
// when the file cannot be written.
bool writeAnalysisFile(const std::string& path, const std::string& soundName,
                       const std::vector<AnalysisSlot>& slots, std::string& error);
