#include "HrtfStatus.h"

#include <AL/alext.h>

#include <cstdio>

namespace vsound {

namespace {
const char* const kPanned = "sounds are panned by level alone";
}  // namespace

bool reportHrtf(ALCdevice* device) {
    ALCint status = ALC_HRTF_DISABLED_SOFT;
    alcGetIntegerv(device, ALC_HRTF_STATUS_SOFT, 1, &status);
    switch (status) {
    case ALC_HRTF_ENABLED_SOFT:
    case ALC_HRTF_REQUIRED_SOFT:
    case ALC_HRTF_HEADPHONES_DETECTED_SOFT: {
        const ALCchar* name = alcGetString(device, ALC_HRTF_SPECIFIER_SOFT);
        std::printf("Sound: binaural 3-D sound through HRTF \"%s\"; best heard with headphones.\n",
                    name ? name : "");
        return true;
    }
    case ALC_HRTF_DENIED_SOFT:
        std::printf("Sound: no HRTF (turned off in the OpenAL Soft configuration); %s.\n",
                    kPanned);
        return false;
    case ALC_HRTF_UNSUPPORTED_FORMAT_SOFT: {
        ALCint sets = 0;
        alcGetIntegerv(device, ALC_NUM_HRTF_SPECIFIERS_SOFT, 1, &sets);
        ALCint rate = 0;
        alcGetIntegerv(device, ALC_FREQUENCY, 1, &rate);
        if (sets == 0)
            std::printf("Sound: no HRTF (no HRTF data is installed); %s.\n", kPanned);
        else
            std::printf("Sound: no HRTF (none fits a stereo output at %d Hz); %s.\n", int(rate),
                        kPanned);
        return false;
    }
    default:
        std::printf("Sound: no HRTF (the device does not offer it); %s.\n", kPanned);
        return false;
    }
}

}  // namespace vsound
