#include <memory>

#include "CSoundEngine.h"
#include "sound3d/LoopbackDevice.h"

namespace vsound {

ISoundEngine* createIrrKlangDevice(E_SOUND_OUTPUT_DRIVER, int, const char* deviceID,
                                   const char*) {
    AudioDevice* device = AudioDevice::openDefault(deviceID);
    if (!device)
        return nullptr;
    return new CSoundEngine(std::unique_ptr<AudioDevice>(device));
}

ISoundEngine* createLoopbackDevice(int sampleRate, bool binaural) {
    AudioDevice* device = AudioDevice::openLoopback(sampleRate, binaural);
    if (!device)
        return nullptr;
    return new CSoundEngine(std::unique_ptr<AudioDevice>(device));
}

void renderLoopback(ISoundEngine* engine, float* out, int frames) {
    if (engine)
        static_cast<CSoundEngine*>(engine)->render(out, frames);
}

}  // namespace vsound
