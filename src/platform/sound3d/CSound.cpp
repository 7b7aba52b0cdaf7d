#include "CSound.h"

#include "AlFrame.h"
#include "CSoundEngine.h"

namespace vsound {

CSound::CSound(CSoundEngine* engine, int voice, ALuint source, int sampleRate)
    : engine(engine), voiceIndex(voice), source(source), sampleRate(sampleRate) {}

bool CSound::attached() {
    if (!engine)
        return false;
    engine->makeCurrent();
    return true;
}

void CSound::setPosition(const vec3df& position) {
    if (attached())
        setSourceVector(source, AL_POSITION, position);
}

void CSound::setMinDistance(float minDistance) {
    if (minDistance > 0.0f && attached())
        alSourcef(source, AL_REFERENCE_DISTANCE, minDistance);
}

void CSound::setMaxDistance(float maxDistance) {
    if (maxDistance > 0.0f && attached())
        alSourcef(source, AL_MAX_DISTANCE, maxDistance);
}

void CSound::start() {
    alSourcePlay(source);
    started = true;
    paused = false;
}

void CSound::setIsPaused(bool pause) {
    if (!attached() || pause == paused)
        return;
    if (pause) {
        if (started)
            alSourcePause(source);
        paused = true;
    } else {
        start();
    }
}

void CSound::stop() {
    if (attached())
        engine->release(this);
}

bool CSound::hasEnded() const {
    if (!started)
        return false;
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state == AL_STOPPED;
}

void CSound::finishIfEnded() {
    if (attached() && hasEnded())
        engine->release(this);
}

bool CSound::isFinished() {
    finishIfEnded();
    return engine == nullptr;
}

std::uint32_t CSound::getPlayPosition() {
    finishIfEnded();
    if (!engine)
        return kNoPosition;
    ALint offset = 0;
    alGetSourcei(source, AL_SAMPLE_OFFSET, &offset);
    return std::uint32_t(std::int64_t(offset) * 1000 / sampleRate);
}

void CSound::detach() {
    engine = nullptr;
    voiceIndex = -1;
}

}  // namespace vsound
