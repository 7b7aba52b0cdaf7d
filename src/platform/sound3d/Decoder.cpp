#include "Decoder.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>

namespace vsound {

namespace {
constexpr sf_count_t kChunkFrames = 4096;
// Keeps a buffer's byte size within what the audio library can address.
constexpr std::size_t kMaxSamples = std::size_t(1) << 28;

std::int16_t toPcm16(float value) {
    float scaled = std::round(std::clamp(value, -1.0f, 1.0f) * 32767.0f);
    return std::int16_t(scaled);
}
}  // namespace

DecodedSound decodeMono(const char* fileName) {
    DecodedSound result;
    SF_INFO info{};
    SNDFILE* file = sf_open(fileName, SFM_READ, &info);
    if (!file) {
        result.error = sf_strerror(nullptr);
        return result;
    }
    if (info.channels < 1 || info.samplerate < 1) {
        sf_close(file);
        result.error = "no audio channels";
        return result;
    }
    result.sampleRate = info.samplerate;
    result.samples.reserve(std::size_t(std::max<sf_count_t>(info.frames, 0)));
    std::vector<float> chunk(std::size_t(kChunkFrames * info.channels));
    sf_count_t read;
    while ((read = sf_readf_float(file, chunk.data(), kChunkFrames)) > 0) {
        if (result.samples.size() + std::size_t(read) > kMaxSamples) {
            sf_close(file);
            result.samples.clear();
            result.error = "too long to hold in memory";
            return result;
        }
        for (sf_count_t frame = 0; frame < read; ++frame) {
            float sum = 0.0f;
            for (int channel = 0; channel < info.channels; ++channel)
                sum += chunk[std::size_t(frame * info.channels + channel)];
            result.samples.push_back(toPcm16(sum / float(info.channels)));
        }
    }
    sf_close(file);
    if (result.samples.empty())
        result.error = "no samples";
    return result;
}

}  // namespace vsound
