#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "AudioDevice.h"
#include "CAcoustics.h"
#include "CSoundSource.h"
#include "VoicePool.h"
#include "sound3d/ISoundEngine.h"

namespace vsound {

class CSound;

class CSoundEngine : public ISoundEngine {
public:
    explicit CSoundEngine(std::unique_ptr<AudioDevice> device);
    ~CSoundEngine() override;

    ISound* play3D(const char* soundFileName, vec3df position, bool playLooped,
                   bool startPaused, bool track, E_STREAM_MODE streamMode,
                   bool enableSoundEffects) override;
    void setListenerPosition(const vec3df& position, const vec3df& lookDirection,
                             const vec3df& velPerSecond, const vec3df& upVector) override;
    void update() override;
    void setProblemReport(ProblemReport report) override { problemReport = report; }
    int getSoundSourceCount() override { return int(sources.size()); }
    ISoundSource* getSoundSource(int index) override;

    void render(float* out, int frames);

    // Sound side.
    void makeCurrent() { device->makeCurrent(); }
    // Frees the sound's voice, detaches it and drops the engine's reference to it.
    void release(CSound* sound);

    // Acoustics side; null without effects on the device.
    CAcoustics* acoustics() { return effects.get(); }
    int voiceCount() const { return voices->size(); }
    bool voiceLent(int voice) const { return voices->isLent(voice); }
    ALuint voiceSource(int voice) const { return voices->source(voice); }
    // Plays `file` `delay` seconds late at `gain`, untracked.
    void playDelayed(const char* file, const vec3df& position, float delay, float gain);

private:
    // Null when the file cannot be decoded; each file is read from disk at most once.
    CSoundSource* sourceFor(const char* fileName);
    // A free voice; failing that, one reclaimed from an ended sound or taken over from the
    // oldest sound nobody holds. -1 when every voice belongs to a held sound.
    int takeVoice();
    // Starts `file` on a voice `delay` seconds from now (only with effects); null when the file
    // cannot be decoded or every voice is held.
    CSound* startSound(const char* file, const vec3df& position, bool looped, bool paused,
                       float delay, float gain);

    std::unique_ptr<AudioDevice> device;  // first in, last out: everything below needs it
    std::unique_ptr<CAcoustics> effects;  // before the voices: released after them
    std::unique_ptr<VoicePool> voices;
    std::vector<std::unique_ptr<CSoundSource>> sources;
    std::unordered_map<std::string, CSoundSource*> sourcesByName;  // null marks a failed file
    std::vector<CSound*> playing;  // in start order, oldest first
    float listenerOrientation[6] = {0, 0, -1, 0, 1, 0};
    bool reportedVoicesFull = false;
    ProblemReport problemReport = nullptr;
    // Decoded sound is held in memory: all sounds together, 128 Mi samples (256 MiB).
    static constexpr std::size_t kMaxDecodedSamples = std::size_t(1) << 27;
    std::size_t decodedSamples = 0;
};

}  // namespace vsound
