#pragma once

#include <AL/alc.h>

namespace vsound {

// Prints one line for a device whose context asked for HRTF: which HRTF it renders through, or
// why it has none and pans by level alone. True when it renders through one.
bool reportHrtf(ALCdevice* device);

}  // namespace vsound
