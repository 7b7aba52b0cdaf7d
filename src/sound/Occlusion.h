#pragma once
// Muffles every playing voice by what stands between it and the listener. A few rays run from
// the listener to points on and around each source, so a source in a doorway is muffled in
// part; the share of rays stopped sets a low-pass on the voice's direct path, which follows it
// over OCCLUSION_GLIDE seconds so that nothing clicks. The rays of all voices are spread over
// frames, RAY_BUDGET a frame; a voice that starts gets its rays at once, before it is heard.

#include <irrlicht.h>

#include <vector>

#include "sound/SoundRays.h"
#include "sound3d/IAcoustics.h"

class Occlusion : public vsound::IVoiceStartReceiver {
public:
    static constexpr int RAYS_PER_VOICE = 5;
    static constexpr int RAY_BUDGET = 40;
    static constexpr float OCCLUSION_GLIDE = 0.1f;  // seconds from open to fully muffled

    // `rays` must outlive this object.
    Occlusion(vsound::IAcoustics& acoustics, const SoundRays& rays);
    ~Occlusion() override;
    Occlusion(const Occlusion&) = delete;
    Occlusion& operator=(const Occlusion&) = delete;

    // Once per frame, `seconds` after the last.
    void update(const irr::core::vector3df& listener, float seconds);
    void onVoiceStart(int voice, const vsound::vec3df& position) override;

private:
    // Share of the rays to points on and around `source` that something stops, 0 .. 1.
    float stoppedShare(const irr::core::vector3df& source) const;
    void apply(int voice, float share);

    struct Voice {
        float target = 0.0f;   // stopped share last measured
        float current = 0.0f;  // what the voice's filter says now
    };

    vsound::IAcoustics& acoustics;
    const SoundRays& rays;
    std::vector<Voice> voices;
    int nextVoice = 0;
    irr::core::vector3df listener;
};
