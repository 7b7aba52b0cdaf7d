#pragma once

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

DecodedSound decodeMono(const char* fileName);

}  // namespace vsound
