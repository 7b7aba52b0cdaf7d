#pragma once

#include "ISoundEngine.h"

namespace vsound {

// An engine that mixes only when asked, for exact and repeatable checks of what is heard.
// Output is interleaved stereo float (left, right) at sampleRate frames per second, panned by
// level alone; binaural asks for HRTF as the game's own device does (and says what it got).
ISoundEngine* createLoopbackDevice(int sampleRate, bool binaural = false);

// Mixes the next `frames` frames of a loopback engine into `out` (2 * frames floats).
// Does nothing for an engine on a real device.
void renderLoopback(ISoundEngine* engine, float* out, int frames);

}  // namespace vsound
