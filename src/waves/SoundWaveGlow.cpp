#include "waves/SoundWaveGlow.h"

#include "sound/CIrrKlangSceneNode.h"

SoundWaveGlow::SoundWaveGlow(CIrrKlangSceneNode* node)
    : SoundWave(node), radius(node->MaxRadius), growing(true) {}

bool SoundWaveGlow::advance() {
    followSource();
    float step = frameSeconds() * waveSpeed;
    radius += growing ? step : -step;
    float minRadius = source->MinRadius;
    if (radius > maxRadius || radius < minRadius) {
        radius = growing ? maxRadius : minRadius;
        growing = !growing;
    }
    return true;
}

float SoundWaveGlow::getRadius() const { return radius; }

float SoundWaveGlow::getTrail() const { return -1.0f; }
