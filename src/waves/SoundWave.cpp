#include "waves/SoundWave.h"

#include "graphics/GraphicsSystem.h"
#include "sound/CIrrKlangSceneNode.h"

using irr::core::vector3df;

SoundWave::SoundWave(const vector3df& position, float maxRadius, float maxIntensity,
                     const vector3df& color, float waveSpeed, float trail)
    : index(0), maxIntensity(maxIntensity), maxRadius(maxRadius), waveSpeed(waveSpeed),
      trail(trail), color(color), position(position), oneShot(true), source(nullptr) {}

SoundWave::SoundWave(CIrrKlangSceneNode* node)
    : index(0), maxIntensity(node->MaxIntensity), maxRadius(node->MaxRadius),
      waveSpeed(node->WaveSpeed), trail(node->Trail), color(node->currentColour()),
      position(node->getAbsolutePosition()), oneShot(false), source(node) {}

float SoundWave::frameSeconds() {
    return static_cast<float>(GraphicsSystem::instance().frameTime) / 1000.0f;
}

bool SoundWave::update(WaveData& waveData) {
    float* record = &waveData[static_cast<size_t>(index) * RECORD_FLOATS];
    bool finished = false;
    if (advance()) {
        vector3df centre = getPosition();
        record[0] = centre.X;
        record[1] = centre.Y;
        record[2] = centre.Z;
        finished = isOneShot();
    }
    record[6] = getRadius();
    record[7] = getIntensity();
    record[8] = getTrail();
    return finished;
}

int SoundWave::append(WaveData& waveData) {
    vector3df centre = getPosition();
    vector3df rgb = getColor();
    const float record[RECORD_FLOATS] = {centre.X, centre.Y, centre.Z, rgb.X, rgb.Y, rgb.Z,
                                         getRadius(), getIntensity(), getTrail()};
    waveData.insert(waveData.end(), record, record + RECORD_FLOATS);
    return 1;
}

int SoundWave::erase(WaveData& waveData) {
    WaveData::iterator first = waveData.begin() + static_cast<size_t>(index) * RECORD_FLOATS;
    waveData.erase(first, first + RECORD_FLOATS);
    return 1;
}

bool SoundWave::advance() { return true; }

vector3df SoundWave::getPosition() const { return position; }

vector3df SoundWave::getColor() const { return color; }

float SoundWave::getRadius() const { return maxRadius; }

float SoundWave::getIntensity() const { return maxIntensity; }

float SoundWave::getTrail() const { return trail; }

void SoundWave::followSource() {
    if (source) position = source->getAbsolutePosition();
}

bool SoundWave::isOneShot() const { return oneShot; }

void SoundWave::runOut() { oneShot = true; }
