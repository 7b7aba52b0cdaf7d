#pragma once

#include <AL/alc.h>

namespace vsound {

// One OpenAL device with its context. Several engines may live at once (tests do this), so
// every engine call first makes its own context current.
class AudioDevice {
public:
    // Null when no such device can be opened.
    static AudioDevice* openDefault(const char* deviceName);
    static AudioDevice* openLoopback(int sampleRate);
    ~AudioDevice();

    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    void makeCurrent();
    // Loopback devices only; a real device mixes on its own thread.
    void render(float* out, int frames);

private:
    AudioDevice(ALCdevice* device, ALCcontext* context, bool loopback);

    ALCdevice* device;
    ALCcontext* context;
    bool loopback;
};

}  // namespace vsound
