#pragma once

#include <AL/al.h>
#include <AL/alc.h>

#include <memory>
#include <vector>

#include "LeadInSilence.h"
#include "sound3d/IAcoustics.h"

namespace vsound {

class CSoundEngine;

// The effects of one engine's device: one low-pass filter object whose settings are copied
// into a voice whenever they change, and one reverb in one auxiliary slot. Needs the engine's
// context current when created and destroyed.
class CAcoustics : public IAcoustics {
public:
    // Null, after one line on what the player gets instead, when the device offers no effects
    // or no auxiliary send. A device without the reverb effect gets everything else.
    static std::unique_ptr<CAcoustics> create(CSoundEngine& engine, ALCdevice* device);
    ~CAcoustics() override;

    int getVoiceCount() const override;
    bool getVoicePosition(int voice, vec3df& position) const override;
    void setVoiceOcclusion(int voice, float gain, float gainHF) override;
    void setReverb(const SReverb& reverb) override;
    void playDelayed(const char* file, const vec3df& position, float delay, float gain) override;
    void setVoiceStartReceiver(IVoiceStartReceiver* receiver) override { startReceiver = receiver; }

    // Engine side: `voice` is about to start a sound at `position` on `source`.
    void voiceStarting(int voice, ALuint source, const vec3df& position);
    // The silence to queue ahead of a sound at `rate` to delay it by `seconds`.
    std::vector<ALuint> leadIn(int rate, float seconds);

private:
    CAcoustics(CSoundEngine& engine, ALuint filter, ALuint slot, ALuint effect);

    CSoundEngine& engine;
    ALuint filter;
    ALuint slot;    // 0 without the reverb effect
    ALuint effect;  // 0 without the reverb effect
    LeadInSilence silence;
    IVoiceStartReceiver* startReceiver = nullptr;
};

}  // namespace vsound
