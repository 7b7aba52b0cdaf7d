#pragma once
// The room around the listener rings: rays in many directions around the listener measure the
// space (how far to its surfaces, how many rays escape to open sky or meet nothing within
// ROOM_RANGE), and the reverb every voice sends to glides to what such a space sounds like
// over about REVERB_GLIDE seconds. The rays are spread over frames, RAYS_PER_FRAME a frame.

#include <irrlicht.h>

#include <vector>

#include "sound/SoundRays.h"
#include "sound3d/IAcoustics.h"

// The reverb of a space whose surfaces lie `distances` away from the listener in evenly spread
// directions; a distance of `range` or more means that ray met nothing. Closed spaces ring
// longer the larger they are; the more rays escape, the less they ring at all.
vsound::SReverb reverbFor(const std::vector<float>& distances, float range);

class RoomReverb {
public:
    static constexpr int DIRECTIONS = 32;
    static constexpr int RAYS_PER_FRAME = 8;
    static constexpr float ROOM_RANGE = 60.0f;   // world units
    static constexpr float REVERB_GLIDE = 0.5f;  // seconds

    // `rays` must outlive this object. Starts as open space: no reverb.
    RoomReverb(vsound::IAcoustics& acoustics, const SoundRays& rays);

    // Once per frame, `seconds` after the last.
    void update(const irr::core::vector3df& listener, float seconds);

private:
    vsound::IAcoustics& acoustics;
    const SoundRays& rays;
    std::vector<irr::core::vector3df> directions;
    std::vector<float> distances;
    int nextRay = 0;
    vsound::SReverb current;  // gliding towards what the rays say
    vsound::SReverb sent;     // what the reverb was last set to
};
