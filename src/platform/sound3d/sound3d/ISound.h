#pragma once

#include <cstdint>

#include "IRefCounted.h"
#include "vec3df.h"

namespace vsound {

// One playing (or paused) 3-D sound. A holder keeps it with a reference; the sound stays
// valid after it finishes or after its engine is gone, and then only reports finished.
class ISound : public IRefCounted {
public:
    // Returned by getPlayPosition when the sound no longer plays.
    static constexpr std::uint32_t kNoPosition = 0xFFFFFFFFu;

    virtual void setPosition(const vec3df& position) = 0;
    // Distance up to which the sound keeps full volume; beyond it the volume falls as
    // minDistance / distance. Values <= 0 are ignored.
    virtual void setMinDistance(float minDistance) = 0;
    // Distance beyond which the volume falls no further. Values <= 0 are ignored.
    virtual void setMaxDistance(float maxDistance) = 0;
    virtual void setIsPaused(bool paused) = 0;
    // Ends the sound for good; it then reports finished.
    virtual void stop() = 0;
    // True once the sound has played to its end, was stopped, or lost its voice.
    virtual bool isFinished() = 0;
    // Position within the file in ms (wrapping for a looped sound); kNoPosition once finished.
    virtual std::uint32_t getPlayPosition() = 0;
};

}  // namespace vsound
