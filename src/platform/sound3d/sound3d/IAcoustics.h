#pragma once

#include "ISoundEngine.h"
#include "vec3df.h"

namespace vsound {

// How the space around the listener rings. Each value is clamped to the range given.
struct SReverb {
    float gain = 0.0f;                // how much reverb at all, 0 .. 1 (under 0.01: none)
    float decayTime = 1.0f;           // seconds for the tail to fall by 60 dB, 0.1 .. 20
    float reflectionsGain = 0.05f;    // early reflections, 0 .. 3.16
    float reflectionsDelay = 0.007f;  // seconds from a sound to its first reflection, 0 .. 0.3
    float lateGain = 1.26f;           // the tail, 0 .. 10
    float lateDelay = 0.011f;         // seconds from the first reflection to the tail, 0 .. 0.1
};

// Told when a voice is about to start a sound, before the mixer hears any of it.
class IVoiceStartReceiver {
public:
    virtual void onVoiceStart(int voice, const vec3df& position) = 0;

protected:
    virtual ~IVoiceStartReceiver() = default;
};

// What the world does to sound on its way to the listener, over the audio library's effects:
// a low-pass on each voice's direct path, one reverb that every voice sends to at full
// strength (a hidden source still lets its room be heard), and sounds started a set time late.
// Owned by its engine; valid while the engine lives.
class IAcoustics {
public:
    // Voices are numbered 0 .. getVoiceCount() - 1.
    virtual int getVoiceCount() const = 0;
    // False when the voice plays nothing; otherwise where it plays.
    virtual bool getVoicePosition(int voice, vec3df& position) const = 0;
    // The direct path's level (gain) and its level above about 5 kHz (gainHF), 0 .. 1 each.
    // Every new sound starts at 1 and 1: as if nothing stood in the way.
    virtual void setVoiceOcclusion(int voice, float gain, float gainHF) = 0;
    virtual void setReverb(const SReverb& reverb) = 0;
    // Plays `file` at `position` `delay` seconds from now (to the sample, up to 0.7 s), at
    // `gain` (0 .. 1), fire-and-forget. Dropped when every voice is held.
    virtual void playDelayed(const char* file, const vec3df& position, float delay, float gain) = 0;
    // Null for none; the receiver must outlive its registration.
    virtual void setVoiceStartReceiver(IVoiceStartReceiver* receiver) = 0;

protected:
    virtual ~IAcoustics() = default;
};

// Null when the engine's device lacks the effects extension or an auxiliary send (the engine
// said so in one line when it opened) or when the engine is null.
IAcoustics* getAcoustics(ISoundEngine* engine);

}  // namespace vsound
