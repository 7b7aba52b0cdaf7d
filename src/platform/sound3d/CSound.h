#pragma once

#include <AL/al.h>

#include "sound3d/ISound.h"

namespace vsound {

class CSoundEngine;

// A sound on one voice of its engine. The engine holds a reference while the sound owns a
// voice; when the sound ends, is stopped or loses its voice it is detached for good and from
// then on only reports finished.
class CSound : public ISound {
public:
    CSound(CSoundEngine* engine, int voice, ALuint source, int sampleRate);

    void setPosition(const vec3df& position) override;
    void setMinDistance(float minDistance) override;
    void setMaxDistance(float maxDistance) override;
    void setIsPaused(bool paused) override;
    void stop() override;
    bool isFinished() override;
    std::uint32_t getPlayPosition() override;

    // Engine side.
    void start();
    bool hasEnded() const;  // played to its end on the mixer
    void detach();
    int voice() const { return voiceIndex; }

private:
    bool attached();  // makes the engine's context current when attached
    void finishIfEnded();

    CSoundEngine* engine;
    int voiceIndex;
    ALuint source;
    int sampleRate;
    bool started = false;
    bool paused = false;
};

}  // namespace vsound
