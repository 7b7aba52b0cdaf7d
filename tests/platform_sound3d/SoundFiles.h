#pragma once

#include <sndfile.h>

#include <string>
#include <vector>

#include "sound3d/LoopbackDevice.h"
#include "sound3d/vsound.h"

namespace soundtest {

constexpr int kRate = 44100;

// A directory of its own for this test process, created on first use.
const std::string& scratchDir();
std::string scratchPath(const std::string& name);

// Points OpenAL Soft at its wave-file backend, which writes what a real device plays to
// scratchPath("heard.wav"); `general` adds lines to the configuration's [general] section. Call
// before the first engine: the library reads its configuration once per process.
void useWaveFileBackend(const std::string& general = "");

// Opens the default device (the wave-file backend), plays a noise file at `where` to its end and
// closes the device. Returns what the device printed on standard output.
std::string playNoiseOnDefaultDevice(vsound::vec3df where);

// Interleaved samples in -1 .. 1 at kRate, as 16-bit WAV unless `format` says otherwise.
void writeSamples(const std::string& path, const std::vector<float>& samples, int channels,
                  int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16);
// A 440 Hz sine of the given length. With two channels the right channel is silent.
void writeTone(const std::string& path, double seconds, int channels = 1);
// White noise (the same every time), broadband so that delays show clearly.
void writeNoise(const std::string& path, double seconds);
std::vector<float> readAll(const std::string& path);

struct Levels {
    double left = 0.0, right = 0.0;
};
// Each channel's RMS over interleaved stereo samples.
Levels levelsOf(const std::vector<float>& stereo);
// Mixes `ms` milliseconds on a loopback engine into interleaved stereo samples.
std::vector<float> renderStereo(vsound::ISoundEngine* engine, int ms);
// Mixes `ms` milliseconds on a loopback engine and measures each channel's RMS.
Levels renderLevels(vsound::ISoundEngine* engine, int ms);

// How the two ears hear one source: how much later the left channel carries the sound than the
// right (negative when earlier), found by cross-correlation, and the left level over the right.
struct Ears {
    double leftDelayMs = 0.0, leftOverRight = 0.0;
};
Ears compareEars(const std::vector<float>& stereo, int rate);

}  // namespace soundtest
