#pragma once

#include <string>
#include <vector>

#include "sound3d/LoopbackDevice.h"
#include "sound3d/vsound.h"

namespace soundtest {

constexpr int kRate = 44100;

// A directory of its own for this test process, created on first use.
const std::string& scratchDir();
std::string scratchPath(const std::string& name);

// A 440 Hz sine of the given length. With two channels the right channel is silent.
void writeTone(const std::string& path, double seconds, int channels = 1);
std::vector<float> readAll(const std::string& path);

struct Levels {
    double left = 0.0, right = 0.0;
};
// Mixes `ms` milliseconds on a loopback engine and measures each channel's RMS.
Levels renderLevels(vsound::ISoundEngine* engine, int ms);

}  // namespace soundtest
