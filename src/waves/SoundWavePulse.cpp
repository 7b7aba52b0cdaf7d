#include "waves/SoundWavePulse.h"

#include "sound/CIrrKlangSceneNode.h"

#include <cmath>

using irr::core::vector3df;

SoundWavePulse::SoundWavePulse(const vector3df& position, float maxRadius, float maxIntensity,
                               const vector3df& color, float waveSpeed, float trail,
                               float startRadius)
    : SoundWave(position, maxRadius, maxIntensity, color, waveSpeed, trail), radius(startRadius) {}

SoundWavePulse::SoundWavePulse(CIrrKlangSceneNode* node)
    : SoundWave(node), radius(node->StartingRadius) {}

bool SoundWavePulse::advance() {
    followSource();
    radius += frameSeconds() * waveSpeed;
    if (radius <= maxRadius) return false;
    // Keep the overshoot: the remainder of the front past the maximum, in (0, maxRadius].
    // Taken in one step so that a huge speed or frame time cannot stall the game.
    radius = std::fmod(radius, maxRadius);
    if (radius == 0.0f) radius = maxRadius;
    return true;
}

float SoundWavePulse::getRadius() const { return radius; }

float SoundWavePulse::getIntensity() const {
    float t = 1.0f - radius / maxRadius;
    float squared = t * t;
    return squared * maxIntensity;
}
