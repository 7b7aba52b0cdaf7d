#pragma once
// What will surprise in play about a sound emitter: attributes left out of the file that read
// as 0 or black, an effect type the game does not know, a sound that cannot be played, and an
// analysis file whose level never reaches the threshold.

#include "RawLevel.h"

#include <sound3d/vsound.h>

#include <string>
#include <vector>

class CIrrKlangSceneNode;

// engine: the silent sound engine the level was loaded with; null when there is none.
std::vector<std::string> emitterWarnings(const RawNode& raw, const CIrrKlangSceneNode& emitter,
                                         vsound::ISoundEngine* engine);
