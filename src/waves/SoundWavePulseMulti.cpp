#include "waves/SoundWavePulseMulti.h"

#include "level/ConsoleText.h"
#include "sound/CIrrKlangSceneNode.h"

#include <cmath>
#include <cstdio>

SoundWavePulseMulti::SoundWavePulseMulti(CIrrKlangSceneNode* node) : SoundWavePulse(node) {
    // A negative count read into the node's unsigned field comes back here as negative: none.
    int count = static_cast<irr::s32>(node->WaveCount);
    if (count > MAX_RINGS) {
        std::printf("Waves: multi-pulse \"%s\" asks for %d rings; it shows %d\n", shownName(node->getName()).c_str(),
                    count, MAX_RINGS);
        count = MAX_RINGS;
    }
    for (int i = 0; i < count; ++i) {
        SoundWavePulse* ring = new SoundWavePulse(node);
        float r = node->StartingRadius - static_cast<float>(i) * node->WaveSpacing;
        if (r < 0.0f) {
            // Into [0, maxRadius) as repeated additions of maxRadius would, in one step.
            r = std::fmod(r, ring->maxRadius);
            r = r < 0.0f ? r + ring->maxRadius : 0.0f;
        }
        ring->radius = r;
        pulses.emplace_back(ring);
    }
    ranOut.assign(pulses.size(), false);
}

bool SoundWavePulseMulti::update(WaveData& waveData) {
    // The rings sit right after one another from the group's index, wherever that has moved.
    irr::s32 ringIndex = index;
    bool anyRunning = false;
    for (size_t i = 0; i < pulses.size(); ++i) {
        SoundWavePulse& ring = *pulses[i];
        ring.index = ringIndex++;
        if (ranOut[i]) continue;
        ranOut[i] = ring.update(waveData);
        if (ranOut[i])
            waveData[static_cast<size_t>(ring.index) * RECORD_FLOATS + 7] = 0.0f;  // intensity
        else
            anyRunning = true;
    }
    return isOneShot() && !anyRunning;
}

int SoundWavePulseMulti::append(WaveData& waveData) {
    irr::s32 ringIndex = index;
    for (auto& ring : pulses) {
        ring->index = ringIndex;
        ringIndex += ring->append(waveData);
    }
    return static_cast<int>(pulses.size());
}

void SoundWavePulseMulti::runOut() {
    oneShot = true;
    for (auto& ring : pulses) ring->runOut();
}

int SoundWavePulseMulti::erase(WaveData& waveData) {
    WaveData::iterator first = waveData.begin() + static_cast<size_t>(index) * RECORD_FLOATS;
    waveData.erase(first, first + pulses.size() * RECORD_FLOATS);
    return static_cast<int>(pulses.size());
}
