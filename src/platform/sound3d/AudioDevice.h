#pragma once

#include <AL/alc.h>

namespace vsound {

// One OpenAL device with its context. Several engines may live at once (tests do this), so
// every engine call first makes its own context current.
class AudioDevice {
public:
    // Null when no such device can be opened. Both ask for HRTF (the loopback only when
    // binaural) and then print one line on what they got.
    static AudioDevice* openDefault(const char* deviceName);
    // Stereo float; without binaural, panned by level alone so that tests can reason about it.
    static AudioDevice* openLoopback(int sampleRate, bool binaural);
    ~AudioDevice();

    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    void makeCurrent();
    ALCdevice* alcDevice() const { return device; }
    // Loopback devices only; a real device mixes on its own thread.
    void render(float* out, int frames);

private:
    AudioDevice(ALCdevice* device, ALCcontext* context, bool loopback);

    ALCdevice* device;
    ALCcontext* context;
    bool loopback;
};

}  // namespace vsound
