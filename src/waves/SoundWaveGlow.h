#pragma once
// A sphere around an emitter node that swells to the node's "MaxRadius" and shrinks to its
// "MinRadius" (read from the node every frame) at waveSpeed, for ever, at constant intensity.
// Its record follows the node every frame and carries a trail of -1, which tells the shaders
// to light the whole sphere.

#include "waves/SoundWave.h"

class SoundWaveGlow : public SoundWave {
public:
    // Starts at the maximum, growing, so its first step turns it round to shrink.
    explicit SoundWaveGlow(CIrrKlangSceneNode* node);

    bool advance() override;
    float getRadius() const override;
    float getTrail() const override;

    float radius;    // world units
    bool growing;
};
