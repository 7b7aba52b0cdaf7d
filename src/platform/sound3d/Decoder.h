#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vsound {

// A whole sound file as 16-bit mono: a stereo file is not positioned by the audio library,
// so every file is mixed down to one channel when it is read.
struct DecodedSound {
    std::vector<std::int16_t> samples;
    int sampleRate = 0;
    std::string error;  // empty on success
};

// What one sound may decode to: 32 Mi samples (64 MiB, about 12 minutes at 44.1 kHz).
constexpr std::size_t kMaxSoundSamples = std::size_t(1) << 25;

// `maxSamples` is what is left of a budget shared with other sounds; past it the file is refused.
DecodedSound decodeMono(const char* fileName, std::size_t maxSamples = kMaxSoundSamples);

}  // namespace vsound
