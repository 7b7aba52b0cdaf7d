#pragma once
// A free pulse whose light stays where it passed: every surface its front crosses stays lit and
// fades evenly to dark over fadeSeconds from the moment the front reached it. The front grows
// at waveSpeed up to maxRadius and holds there; the wave finishes when the last surface it
// passed has faded, or sooner once it gives way to a newer wave.
//
// The shaders light a wake behind a front that falls linearly from half the front's brightness
// to none over the trail. A wake of speed x fade seconds, while the front moves, is exactly the
// per-surface fade. Once the front holds, the same fade comes from dimming the whole record and
// shortening its trail in step: both by the share of the fade left since the front stopped.

#include "waves/SoundWave.h"

class SoundWaveLingering : public SoundWave {
public:
    SoundWaveLingering(const irr::core::vector3df& position, float maxRadius, float maxIntensity,
                       const irr::core::vector3df& color, float waveSpeed, float fadeSeconds);

    bool advance() override;
    float getRadius() const override;
    float getIntensity() const override;
    float getTrail() const override;

    // From now on the whole wave also dims evenly to dark over `seconds` (> 0), unless it
    // already gives way sooner.
    void giveWay(float seconds);
    // Share of the record's full light left, 0..1.
    float brightness() const;

    float fadeSeconds;  // > 0
    float age = 0.0f;   // seconds since the wave started

private:
    // Share of the per-surface fade left once the front holds: 1 while it moves.
    float fadeLeft() const;

    float wayLeft = 1.0f;  // share of the light kept while giving way
    float wayRate = 0.0f;  // of that share, lost per second
};
