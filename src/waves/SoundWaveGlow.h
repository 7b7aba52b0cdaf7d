#pragma once
// A sphere around an emitter node that swells to the node's "MaxRadius" and shrinks to its
// "MinRadius" (read from the node every frame) at waveSpeed, for ever, at constant intensity.
// Its record follows the node every frame and carries a trail of -1, which tells the shaders
// to light the whole sphere. Once its emitter's sound has played out it fades out in a second.

#include "waves/SoundWave.h"

class SoundWaveGlow : public SoundWave {
public:
    // Starts at the maximum, growing, so its first step turns it round to shrink.
    explicit SoundWaveGlow(CIrrKlangSceneNode* node);

    bool advance() override;
    float getRadius() const override;
    float getIntensity() const override;
    float getTrail() const override;
    void runOut() override;

    float radius;    // world units
    bool growing;
    bool fading = false;
    float brightness = 1.0f;  // share of maxIntensity left while fading
};
