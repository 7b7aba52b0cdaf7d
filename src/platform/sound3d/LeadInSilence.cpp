#include "LeadInSilence.h"

#include <algorithm>
#include <cstdint>

namespace vsound {

namespace {
constexpr int kBits = 15;
}  // namespace

LeadInSilence::~LeadInSilence() {
    for (auto& rate : byRate)
        alDeleteBuffers(ALsizei(rate.second.size()), rate.second.data());
}

std::vector<ALuint> LeadInSilence::buffersFor(int rate, int samples) {
    std::vector<ALuint>& powers = byRate[rate];
    if (powers.empty()) {
        powers.resize(kBits);
        alGenBuffers(kBits, powers.data());
        const std::vector<std::int16_t> zeros(std::size_t(1) << (kBits - 1), 0);
        for (int k = 0; k < kBits; ++k)
            alBufferData(powers[std::size_t(k)], AL_FORMAT_MONO16, zeros.data(),
                         ALsizei(sizeof(std::int16_t) << k), rate);
    }
    const int length = std::clamp(samples, 0, kMaxSamples);
    std::vector<ALuint> queue;
    for (int k = 0; k < kBits; ++k)
        if (length & (1 << k))
            queue.push_back(powers[std::size_t(k)]);
    return queue;
}

}  // namespace vsound
