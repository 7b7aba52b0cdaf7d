#pragma once

#include <string>
#include <vector>

namespace analysetest {

// A directory of its own for this test process, created on first use.
std::string scratchPath(const std::string& name);

// Sine bursts in silence: each starts at `at` s and decays with `tauMs`, cut after 5 tau.
struct Click {
    double at, gain = 1.0, hz = 3000.0, tauMs = 2.0;
};
std::vector<float> clicks(int rate, double seconds, const std::vector<Click>& train);

// A 16-bit WAV carrying `mono` on each of `channels` channels.
void writeWave(const std::string& path, const std::vector<float>& mono, int rate,
               int channels = 1);

}  // namespace analysetest
