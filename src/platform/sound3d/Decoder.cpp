#include "Decoder.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace vsound {

namespace {
constexpr sf_count_t kChunkFrames = 4096;
// A header's frame count is a claim, not a size: room is made for at most this much up front.
constexpr std::size_t kReserveSamples = std::size_t(1) << 20;
constexpr int kMaxSampleRate = 768000;

std::int16_t toPcm16(float value) {
    float scaled = std::round(std::clamp(value, -1.0f, 1.0f) * 32767.0f);
    return std::int16_t(scaled);
}
}  // namespace

DecodedSound decodeMono(const char* fileName, std::size_t maxSamples) {
    DecodedSound result;
    std::error_code error;
    if (std::filesystem::exists(fileName, error) && !std::filesystem::is_regular_file(fileName, error)) {
        result.error = "not a regular file";
        return result;
    }
    SF_INFO info{};
    SNDFILE* file = sf_open(fileName, SFM_READ, &info);
    if (!file) {
        result.error = sf_strerror(nullptr);
        // The system's own text, which on Windows ends in a line break: the report is one line.
        result.error.erase(result.error.find_last_not_of(" \r\n") + 1);
        return result;
    }
    if (info.channels < 1 || info.samplerate < 1 || info.samplerate > kMaxSampleRate) {
        sf_close(file);
        result.error = info.channels < 1 ? "no audio channels" : "a sample rate no device plays";
        return result;
    }
    const std::size_t allowed = std::min(maxSamples, kMaxSoundSamples);
    const char* tooLong = maxSamples < kMaxSoundSamples ? "past the 256 MiB all sounds together may decode to"
                                                        : "longer than the 64 MiB one sound may decode to";
    // A header that claims more is believed at once, so that a level of long sounds is not read
    // through before each is refused; one that claims less is still held to the limit below.
    if (info.frames != SF_COUNT_MAX && info.frames > sf_count_t(allowed)) {
        sf_close(file);
        result.error = tooLong;
        return result;
    }
    result.sampleRate = info.samplerate;
    result.samples.reserve(std::min(std::size_t(std::max<sf_count_t>(info.frames, 0)), kReserveSamples));
    std::vector<float> chunk(std::size_t(kChunkFrames * info.channels));
    sf_count_t read;
    while ((read = sf_readf_float(file, chunk.data(), kChunkFrames)) > 0) {
        if (result.samples.size() + std::size_t(read) > allowed) {
            sf_close(file);
            result.samples.clear();
            result.error = tooLong;
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
