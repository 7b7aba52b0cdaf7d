#include "waves/SoundWaveLingering.h"

#include <algorithm>
#include <cmath>

using irr::core::vector3df;

SoundWaveLingering::SoundWaveLingering(const vector3df& position, float maxRadius,
                                       float maxIntensity, const vector3df& color,
                                       float waveSpeed, float fadeSeconds)
    : SoundWave(position, maxRadius, maxIntensity, color, waveSpeed, waveSpeed * fadeSeconds),
      fadeSeconds(fadeSeconds) {}

bool SoundWaveLingering::advance() {
    age += frameSeconds();
    wayLeft = std::max(0.0f, wayLeft - frameSeconds() * wayRate);
    return brightness() <= 0.0f;
}

void SoundWaveLingering::giveWay(float seconds) { wayRate = std::max(wayRate, wayLeft / seconds); }

float SoundWaveLingering::fadeLeft() const {
    const float held = age - maxRadius / waveSpeed;
    return held <= 0.0f ? 1.0f : std::max(0.0f, 1.0f - held / fadeSeconds);
}

float SoundWaveLingering::brightness() const { return fadeLeft() * wayLeft; }

float SoundWaveLingering::getRadius() const { return std::min(maxRadius, age * waveSpeed); }

// The shaders lift a record's colour by 1 - (1 - intensity)^4; this is the intensity whose lift
// is the full intensity's lift times the brightness left, so the fade stays linear on screen.
float SoundWaveLingering::getIntensity() const {
    const float full = 1.0f - std::pow(1.0f - std::clamp(maxIntensity, 0.0f, 1.0f), 4.0f);
    return 1.0f - std::pow(1.0f - full * brightness(), 0.25f);
}

float SoundWaveLingering::getTrail() const { return trail * fadeLeft(); }
