#include "CAcoustics.h"

#include "AlFrame.h"

#include <AL/efx.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "CSoundEngine.h"

namespace vsound {

namespace {

// Below this the reverb is not heard; the slot then holds no effect and costs the mixer nothing.
const float kInaudibleReverb = 0.01f;

// The reverb effect in a slot, or nothing (with a line saying so) when the device lacks it.
bool makeReverb(ALuint& slot, ALuint& effect) {
    alGetError();
    alGenAuxiliaryEffectSlots(1, &slot);
    if (alGetError() != AL_NO_ERROR)
        slot = 0;
    alGenEffects(1, &effect);
    if (alGetError() == AL_NO_ERROR) {
        alEffecti(effect, AL_EFFECT_TYPE, AL_EFFECT_EAXREVERB);
        if (alGetError() == AL_NO_ERROR && slot)
            return true;
        alDeleteEffects(1, &effect);
    }
    if (slot)
        alDeleteAuxiliaryEffectSlots(1, &slot);
    slot = effect = 0;
    std::printf("Sound: the device offers no reverb effect; rooms do not ring.\n");
    return false;
}

}  // namespace

std::unique_ptr<CAcoustics> CAcoustics::create(CSoundEngine& engine, ALCdevice* device) {
    ALCint sends = 0;
    if (alcIsExtensionPresent(device, "ALC_EXT_EFX"))
        alcGetIntegerv(device, ALC_MAX_AUXILIARY_SENDS, 1, &sends);
    ALuint filter = 0;
    if (sends > 0) {
        alGetError();
        alGenFilters(1, &filter);
        if (alGetError() == AL_NO_ERROR)
            alFilteri(filter, AL_FILTER_TYPE, AL_FILTER_LOWPASS);
        if (alGetError() != AL_NO_ERROR)
            sends = 0;
    }
    if (sends < 1) {
        std::printf("Sound: no effects on this device (OpenAL EFX with an auxiliary send); sounds "
                    "play dry: walls do not muffle, rooms do not ring, the cane has no echoes.\n");
        return nullptr;
    }
    ALuint slot = 0, effect = 0;
    makeReverb(slot, effect);
    return std::unique_ptr<CAcoustics>(new CAcoustics(engine, filter, slot, effect));
}

CAcoustics::CAcoustics(CSoundEngine& engine, ALuint filter, ALuint slot, ALuint effect)
    : engine(engine), filter(filter), slot(slot), effect(effect) {}

CAcoustics::~CAcoustics() {
    if (slot) {
        alAuxiliaryEffectSloti(slot, AL_EFFECTSLOT_EFFECT, AL_EFFECT_NULL);
        alDeleteAuxiliaryEffectSlots(1, &slot);
        alDeleteEffects(1, &effect);
    }
    alDeleteFilters(1, &filter);
}

int CAcoustics::getVoiceCount() const { return engine.voiceCount(); }

bool CAcoustics::getVoicePosition(int voice, vec3df& position) const {
    if (voice < 0 || voice >= engine.voiceCount() || !engine.voiceLent(voice))
        return false;
    engine.makeCurrent();
    vec3df al;
    alGetSource3f(engine.voiceSource(voice), AL_POSITION, &al.X, &al.Y, &al.Z);
    position = acrossFrames(al);
    return true;
}

void CAcoustics::setVoiceOcclusion(int voice, float gain, float gainHF) {
    if (voice < 0 || voice >= engine.voiceCount())
        return;
    engine.makeCurrent();
    const ALuint source = engine.voiceSource(voice);
    gain = std::clamp(gain, 0.0f, 1.0f);
    gainHF = std::clamp(gainHF, 0.0f, 1.0f);
    if (gain >= 1.0f && gainHF >= 1.0f) {
        alSourcei(source, AL_DIRECT_FILTER, AL_FILTER_NULL);
        return;
    }
    // A source copies the filter's settings when it is given the filter.
    alFilterf(filter, AL_LOWPASS_GAIN, gain);
    alFilterf(filter, AL_LOWPASS_GAINHF, gainHF);
    alSourcei(source, AL_DIRECT_FILTER, ALint(filter));
}

void CAcoustics::setReverb(const SReverb& reverb) {
    if (!slot)
        return;
    engine.makeCurrent();
    if (reverb.gain < kInaudibleReverb) {
        alAuxiliaryEffectSloti(slot, AL_EFFECTSLOT_EFFECT, AL_EFFECT_NULL);
        return;
    }
    alEffectf(effect, AL_EAXREVERB_DECAY_TIME, std::clamp(reverb.decayTime, 0.1f, 20.0f));
    alEffectf(effect, AL_EAXREVERB_REFLECTIONS_GAIN, std::clamp(reverb.reflectionsGain, 0.0f, 3.16f));
    alEffectf(effect, AL_EAXREVERB_REFLECTIONS_DELAY, std::clamp(reverb.reflectionsDelay, 0.0f, 0.3f));
    alEffectf(effect, AL_EAXREVERB_LATE_REVERB_GAIN, std::clamp(reverb.lateGain, 0.0f, 10.0f));
    alEffectf(effect, AL_EAXREVERB_LATE_REVERB_DELAY, std::clamp(reverb.lateDelay, 0.0f, 0.1f));
    // A slot copies the effect's settings when it is given the effect.
    alAuxiliaryEffectSloti(slot, AL_EFFECTSLOT_EFFECT, ALint(effect));
    alAuxiliaryEffectSlotf(slot, AL_EFFECTSLOT_GAIN, std::clamp(reverb.gain, 0.0f, 1.0f));
}

void CAcoustics::playDelayed(const char* file, const vec3df& position, float delay, float gain) {
    engine.playDelayed(file, position, delay, gain);
}

void CAcoustics::voiceStarting(int voice, ALuint source, const vec3df& position) {
    alSourcei(source, AL_DIRECT_FILTER, AL_FILTER_NULL);
    alSource3i(source, AL_AUXILIARY_SEND_FILTER, slot ? ALint(slot) : AL_EFFECTSLOT_NULL, 0,
               AL_FILTER_NULL);
    if (startReceiver)
        startReceiver->onVoiceStart(voice, position);
    engine.makeCurrent();
}

std::vector<ALuint> CAcoustics::leadIn(int rate, float seconds) {
    const float samples = std::round(std::max(seconds, 0.0f) * float(rate));
    return silence.buffersFor(rate, int(std::min(samples, float(LeadInSilence::kMaxSamples))));
}

IAcoustics* getAcoustics(ISoundEngine* engine) {
    return engine ? static_cast<CSoundEngine*>(engine)->acoustics() : nullptr;
}

}  // namespace vsound
