#include "AudioDevice.h"

#include <AL/al.h>
#include <AL/alext.h>

namespace vsound {

namespace {
// alcMakeContextCurrent takes locks; skip it when the context is already current.
ALCcontext* currentContext = nullptr;

ALCcontext* createContext(ALCdevice* device, const ALCint* attributes) {
    ALCcontext* context = alcCreateContext(device, attributes);
    if (!context)
        return nullptr;
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
    ALCcontext* context = createContext(device, nullptr);
    if (!context) {
        alcCloseDevice(device);
        return nullptr;
    }
    return new AudioDevice(device, context, false);
}

AudioDevice* AudioDevice::openLoopback(int sampleRate) {
    if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback"))
        return nullptr;
    ALCdevice* device = alcLoopbackOpenDeviceSOFT(nullptr);
    if (!device)
        return nullptr;
    // Plain panned stereo: no HRTF filtering, so left/right levels are easy to reason about.
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT,
                                 ALC_FORMAT_TYPE_SOFT,     ALC_FLOAT_SOFT,
                                 ALC_FREQUENCY,            sampleRate,
                                 ALC_HRTF_SOFT,            ALC_FALSE,
                                 0};
    ALCcontext* context = createContext(device, attributes);
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
