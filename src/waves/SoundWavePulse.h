#pragma once
// A front that expands from its start radius to its maximum at waveSpeed, bright at the centre
// and fading to dark at the maximum (intensity falls with the square of the distance left).
// On passing the maximum it wraps, keeping the overshoot: a free pulse then finishes, a node
// pulse restarts from its node's present position.

#include "waves/SoundWave.h"

class SoundWavePulse : public SoundWave {
public:
    // A free pulse; note the argument order differs from WaveManager::addPulse.
    SoundWavePulse(const irr::core::vector3df& position, float maxRadius, float maxIntensity,
                   const irr::core::vector3df& color, float waveSpeed, float trail,
                   float startRadius);
    // An endless pulse of an emitter node, starting at its "StartingRadius".
    explicit SoundWavePulse(CIrrKlangSceneNode* node);

    bool advance() override;
    float getRadius() const override;
    float getIntensity() const override;

    float radius;   // current radius of the front, world units
};
