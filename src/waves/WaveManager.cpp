#include "waves/WaveManager.h"

#include "waves/SoundWavePulse.h"

#include <cmath>
#include <cstdio>

using irr::core::vector3df;

WaveManager& WaveManager::instance() {
    static WaveManager manager;
    return manager;
}

WaveManager::WaveManager() : records(0), endMarkerPresent(false) {}

void WaveManager::add(SoundWave* wave) {
    if (endMarkerPresent) {
        data.resize(data.size() - SoundWave::RECORD_FLOATS);
        endMarkerPresent = false;
    }
    wave->index = records;
    live.emplace_back(wave);
    records += wave->append(data);
}

void WaveManager::addPulse(const vector3df& position, float maxRadius, float trail,
                           float waveSpeed, float maxIntensity, float startRadius,
                           const vector3df& color) {
    // Such a pulse would never reach its maximum, so it would never finish and never leave.
    if (!(maxRadius > 0.0f && std::isfinite(maxRadius)) ||
        !(waveSpeed > 0.0f && std::isfinite(waveSpeed))) {
        std::printf("Waves: pulse with max radius %g and speed %g would never finish; "
                    "it is not shown\n", maxRadius, waveSpeed);
        return;
    }
    add(new SoundWavePulse(position, maxRadius, maxIntensity, color, waveSpeed, trail,
                           startRadius));
}

void WaveManager::update() {
    if (live.empty()) return;
    irr::s32 shift = 0;
    for (auto it = live.begin(); it != live.end();) {
        SoundWave& wave = **it;
        wave.index -= shift;
        if (wave.update(data)) {
            shift += wave.erase(data);
            it = live.erase(it);
        } else {
            ++it;
        }
    }
    records -= shift;
}

void WaveManager::ensureEndMarker() {
    if (endMarkerPresent) return;
    data.insert(data.end(), SoundWave::RECORD_FLOATS, -1.0f);
    endMarkerPresent = true;
}
