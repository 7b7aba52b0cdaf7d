#include "AudioDevice.h"

#include <AL/al.h>
#include <AL/alext.h>

#include <array>

#include "HrtfStatus.h"

namespace vsound {

namespace {
// alcMakeContextCurrent takes locks; skip it when the context is already current.
ALCcontext* currentContext = nullptr;

// Asks for `binaural` attributes unless they are null. A device that then renders no HRTF is
// reset with the `plain` ones, so that it pans exactly as it would had nobody asked (asked in
// vain, OpenAL Soft mixes in a crossfeed of its own).
ALCcontext* createContext(ALCdevice* device, const ALCint* binaural, const ALCint* plain) {
    ALCcontext* context = alcCreateContext(device, binaural ? binaural : plain);
    if (!context)
        return nullptr;
    if (binaural && !reportHrtf(device))
        alcResetDeviceSOFT(device, plain);
    alcMakeContextCurrent(context);
    currentContext = context;
    alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
    return context;
}
}  // namespace

AudioDevice* AudioDevice::openDefault(const char* deviceName) {
    ALCdevice* device = alcOpenDevice(deviceName);
    if (!device)
        return nullptr;
    // The player cannot see: binaural output lets them tell left from right by delay as well as
    // level, and front from back. Asking for it also makes OpenAL Soft open the device in stereo.
    const ALCint binaural[] = {ALC_HRTF_SOFT, ALC_TRUE, 0};
    const ALCint plain[] = {ALC_HRTF_SOFT, ALC_DONT_CARE_SOFT, 0};
    ALCcontext* context = createContext(device, binaural, plain);
    if (!context) {
        alcCloseDevice(device);
        return nullptr;
    }
    return new AudioDevice(device, context, false);
}

AudioDevice* AudioDevice::openLoopback(int sampleRate, bool binaural) {
    if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback"))
        return nullptr;
    ALCdevice* device = alcLoopbackOpenDeviceSOFT(nullptr);
    if (!device)
        return nullptr;
    auto attributes = [sampleRate](ALCint hrtf) {
        return std::array<ALCint, 9>{ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT,
                                     ALC_FORMAT_TYPE_SOFT,     ALC_FLOAT_SOFT,
                                     ALC_FREQUENCY,            sampleRate,
                                     ALC_HRTF_SOFT,            hrtf,
                                     0};
    };
    const auto asked = attributes(ALC_TRUE), plain = attributes(ALC_FALSE);
    ALCcontext* context = createContext(device, binaural ? asked.data() : nullptr, plain.data());
    if (!context) {
        alcCloseDevice(device);
        return nullptr;
    }
    return new AudioDevice(device, context, true);
}

AudioDevice::AudioDevice(ALCdevice* device, ALCcontext* context, bool loopback)
    : device(device), context(context), loopback(loopback) {}

AudioDevice::~AudioDevice() {
    if (currentContext == context) {
        alcMakeContextCurrent(nullptr);
        currentContext = nullptr;
    }
    alcDestroyContext(context);
    alcCloseDevice(device);
}

void AudioDevice::makeCurrent() {
    if (currentContext != context) {
        alcMakeContextCurrent(context);
        currentContext = context;
    }
}

void AudioDevice::render(float* out, int frames) {
    if (loopback && frames > 0)
        alcRenderSamplesSOFT(device, out, frames);
}

}  // namespace vsound
