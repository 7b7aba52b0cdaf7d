#include "waves/SoundWaveGlow.h"

#include "sound/CIrrKlangSceneNode.h"

#include <algorithm>

namespace {

const float FADE_SECONDS = 1.0f;

}  // namespace

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
    if (fading) {
        brightness = std::max(0.0f, brightness - frameSeconds() / FADE_SECONDS);
        if (brightness == 0.0f) oneShot = true;  // dark: it ends with this step
    }
    return true;
}

float SoundWaveGlow::getIntensity() const { return brightness * maxIntensity; }

void SoundWaveGlow::runOut() { fading = true; }

float SoundWaveGlow::getRadius() const { return radius; }

float SoundWaveGlow::getTrail() const { return -1.0f; }
