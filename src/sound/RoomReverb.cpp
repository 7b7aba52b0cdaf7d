#include "sound/RoomReverb.h"

#include <algorithm>
#include <cmath>

using irr::core::vector3df;

namespace {

// Sabine: a room rings for RT60 = 0.161 V / (S a) seconds (metres), that is 0.04 s per metre of
// mean free path (4 V / S) over the share a its surfaces absorb. The mean distance to the walls
// stands in for the mean free path; a unit is 0.45 m, and bare hard walls absorb about 0.15:
// 0.12 s per unit, so the 90 x 90 hall (mean distance about 17) rings for about 2 s.
const float DECAY_PER_UNIT = 0.12f;  // seconds of decay per unit of mean distance to the walls
const float MIN_DECAY = 0.2f, MAX_DECAY = 6.0f;
const float NEAR_WALL_REFLECTIONS = 3.0f;  // early reflections' gain times the median distance
// Changes smaller than this share of a value are not worth an update of the reverb.
const float WORTH_UPDATING = 0.01f;

// Evenly spread over the sphere: a spiral of equal-area steps.
std::vector<vector3df> sphereDirections(int count) {
    std::vector<vector3df> result;
    const float golden = float(M_PI) * (3.0f - std::sqrt(5.0f));
    for (int i = 0; i < count; ++i) {
        const float y = 1.0f - 2.0f * (float(i) + 0.5f) / float(count);
        const float r = std::sqrt(1.0f - y * y);
        result.emplace_back(r * std::cos(golden * float(i)), y, r * std::sin(golden * float(i)));
    }
    return result;
}

float glide(float from, float to, float share) { return from + (to - from) * share; }

bool farApart(float a, float b) {
    return std::fabs(a - b) > WORTH_UPDATING * std::max({std::fabs(a), std::fabs(b), 0.01f});
}

}  // namespace

vsound::SReverb reverbFor(const std::vector<float>& distances, float range) {
    std::vector<float> hits;
    for (float distance : distances)
        if (distance < range)
            hits.push_back(distance);
    vsound::SReverb reverb;
    if (hits.empty())
        return reverb;
    const float enclosed = float(hits.size()) / float(distances.size());
    float mean = 0.0f;
    for (float hit : hits)
        mean += hit / float(hits.size());
    std::nth_element(hits.begin(), hits.begin() + std::ptrdiff_t(hits.size() / 2), hits.end());
    const float median = hits[hits.size() / 2];
    // Open ground alone stops half the rays and should hardly ring.
    const float closed = std::clamp(2.0f * enclosed - 1.0f, 0.0f, 1.0f);
    reverb.gain = closed * closed;
    reverb.decayTime = std::clamp(DECAY_PER_UNIT * mean, MIN_DECAY, MAX_DECAY);
    reverb.reflectionsGain = std::clamp(NEAR_WALL_REFLECTIONS / std::max(median, 1.0f), 0.05f, 1.0f);
    reverb.reflectionsDelay = std::min(2.0f * median / SPEED_OF_SOUND, 0.3f);
    reverb.lateDelay = std::min(mean / SPEED_OF_SOUND, 0.1f);
    return reverb;
}

RoomReverb::RoomReverb(vsound::IAcoustics& acoustics, const SoundRays& rays)
    : acoustics(acoustics), rays(rays), directions(sphereDirections(DIRECTIONS)),
      distances(std::size_t(DIRECTIONS), ROOM_RANGE), current(reverbFor(distances, ROOM_RANGE)),
      sent(current) {
    acoustics.setReverb(sent);
}

void RoomReverb::update(const vector3df& listener, float seconds) {
    for (int i = 0; i < RAYS_PER_FRAME; ++i) {
        distances[std::size_t(nextRay)] =
            rays.reach(listener, directions[std::size_t(nextRay)], ROOM_RANGE);
        nextRay = (nextRay + 1) % DIRECTIONS;
    }
    const vsound::SReverb target = reverbFor(distances, ROOM_RANGE);
    // About 95 % of the way in REVERB_GLIDE seconds.
    const float share = 1.0f - std::exp(-3.0f * std::max(seconds, 0.0f) / REVERB_GLIDE);
    current.gain = glide(current.gain, target.gain, share);
    current.decayTime = glide(current.decayTime, target.decayTime, share);
    current.reflectionsGain = glide(current.reflectionsGain, target.reflectionsGain, share);
    current.reflectionsDelay = glide(current.reflectionsDelay, target.reflectionsDelay, share);
    current.lateDelay = glide(current.lateDelay, target.lateDelay, share);
    if (farApart(current.gain, sent.gain) || farApart(current.decayTime, sent.decayTime) ||
        farApart(current.reflectionsDelay, sent.reflectionsDelay)) {
        sent = current;
        acoustics.setReverb(sent);
    }
}
