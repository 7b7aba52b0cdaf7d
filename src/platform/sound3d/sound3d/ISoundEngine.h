#pragma once

#include "ESoundEnums.h"
#include "IRefCounted.h"
#include "ISound.h"
#include "ISoundSource.h"
#include "vec3df.h"

namespace vsound {

// The 3-D sound engine: one audio device, one listener, decoded files cached by name and a
// fixed pool of voices. All calls come from one thread; the audio library mixes on its own.
class ISoundEngine : public IRefCounted {
public:
    // Plays a file at a world position. The result is null unless the sound is tracked or
    // starts paused; the caller then holds one reference and drops it when done. Untracked
    // sounds are freed by the engine when they end. A file that cannot be decoded gives null
    // (reported once, and not read again).
    virtual ISound* play3D(const char* soundFileName, vec3df position, bool playLooped = false,
                           bool startPaused = false, bool track = false,
                           E_STREAM_MODE streamMode = ESM_AUTO_DETECT,
                           bool enableSoundEffects = false) = 0;

    // Places the listener. lookDirection need not be normalised; a look direction of zero
    // length, or one along upVector, keeps the previous orientation.
    virtual void setListenerPosition(const vec3df& position, const vec3df& lookDirection,
                                     const vec3df& velPerSecond = vec3df(0, 0, 0),
                                     const vec3df& upVector = vec3df(0, 1, 0)) = 0;

    // Who hears of a file that cannot be played: its name exactly as given to play3D and why
    // ("not a regular file"). Without one the engine prints its own line.
    using ProblemReport = void (*)(const char* soundFileName, const char* problem);
    virtual void setProblemReport(ProblemReport report) = 0;

    // Once per frame: frees the voices of sounds that have ended.
    virtual void update() = 0;

    // The files decoded so far, in the order they were first played.
    virtual int getSoundSourceCount() = 0;
    virtual ISoundSource* getSoundSource(int index) = 0;
};

// Opens the default audio device (or the named one). Null when there is no audio device.
// The version text is accepted for call compatibility.
ISoundEngine* createIrrKlangDevice(E_SOUND_OUTPUT_DRIVER driver = ESOD_AUTO_DETECT,
                                   int options = ESEO_DEFAULT_OPTIONS,
                                   const char* deviceID = nullptr,
                                   const char* sdkVersion = "1.1.0");

}  // namespace vsound
