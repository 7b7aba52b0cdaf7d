#pragma once

#include <AL/al.h>

#include <cstddef>
#include <vector>

namespace vsound {

// The OpenAL sources, allocated once and lent to sounds; well under the library's limit of
// 256 so that other users of the device are never starved.
class VoicePool {
public:
    static constexpr int kMaxVoices = 64;

    VoicePool();  // needs the engine's context current
    ~VoicePool();

    VoicePool(const VoicePool&) = delete;
    VoicePool& operator=(const VoicePool&) = delete;

    // A free voice, rewound and reset to defaults; -1 when every voice is lent.
    int lend();
    void giveBack(int voice);

    bool isLent(int voice) const { return lent[std::size_t(voice)]; }
    ALuint source(int voice) const { return sources[std::size_t(voice)]; }
    int size() const { return int(sources.size()); }

private:
    std::vector<ALuint> sources;
    std::vector<bool> lent;
};

}  // namespace vsound
