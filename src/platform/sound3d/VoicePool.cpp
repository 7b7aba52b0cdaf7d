#include "VoicePool.h"

#include <cfloat>

namespace vsound {

VoicePool::VoicePool() {
    // The device may offer fewer sources than asked for; keep what it gives.
    for (int i = 0; i < kMaxVoices; ++i) {
        ALuint id = 0;
        alGetError();
        alGenSources(1, &id);
        if (alGetError() != AL_NO_ERROR)
            break;
        sources.push_back(id);
    }
    lent.assign(sources.size(), false);
}

VoicePool::~VoicePool() {
    for (ALuint id : sources) {
        alSourceStop(id);
        alSourcei(id, AL_BUFFER, 0);
    }
    if (!sources.empty())
        alDeleteSources(ALsizei(sources.size()), sources.data());
}

int VoicePool::lend() {
    for (std::size_t i = 0; i < lent.size(); ++i) {
        if (lent[i])
            continue;
        lent[i] = true;
        ALuint id = sources[i];
        // A reused source still reports its last state until it is rewound.
        alSourceRewind(id);
        alSourcei(id, AL_BUFFER, 0);
        alSourcei(id, AL_SOURCE_RELATIVE, AL_FALSE);
        alSourcef(id, AL_GAIN, 1.0f);
        alSourcef(id, AL_PITCH, 1.0f);
        alSourcef(id, AL_ROLLOFF_FACTOR, 1.0f);
        alSourcef(id, AL_REFERENCE_DISTANCE, 1.0f);
        alSourcef(id, AL_MAX_DISTANCE, FLT_MAX);
        return int(i);
    }
    return -1;
}

void VoicePool::giveBack(int voice) {
    ALuint id = sources[std::size_t(voice)];
    alSourceStop(id);
    alSourcei(id, AL_BUFFER, 0);
    lent[std::size_t(voice)] = false;
}

}  // namespace vsound
