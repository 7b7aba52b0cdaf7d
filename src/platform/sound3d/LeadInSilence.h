#pragma once

#include <AL/al.h>

#include <map>
#include <vector>

namespace vsound {

// Silent buffers of 1, 2, 4 ... samples per sample rate, so that any delay up to 2^15 - 1
// samples is queued ahead of a sound exactly, from at most 15 buffers. Needs its engine's
// context current.
class LeadInSilence {
public:
    static constexpr int kMaxSamples = (1 << 15) - 1;

    LeadInSilence() = default;
    ~LeadInSilence();
    LeadInSilence(const LeadInSilence&) = delete;
    LeadInSilence& operator=(const LeadInSilence&) = delete;

    // The buffers that together last `samples` (clamped to 0 .. kMaxSamples) at `rate`.
    std::vector<ALuint> buffersFor(int rate, int samples);

private:
    std::map<int, std::vector<ALuint>> byRate;  // index k lasts 2^k samples
};

}  // namespace vsound
