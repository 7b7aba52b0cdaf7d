#pragma once
// "WaveCount" concentric endless pulses of one emitter node, "WaveSpacing" apart in radius, each
// wrapping on its own. The group's records are its rings' records, in ring order, from the
// group's own index on. Once its emitter's sound has played out every ring runs out at its
// next restart and stays dark until the last has, when the group ends.

#include "waves/SoundWavePulse.h"

#include <memory>
#include <vector>

class SoundWavePulseMulti : public SoundWavePulse {
public:
    // More rings than the shaders can show at once are not made.
    static const int MAX_RINGS = 64;

    explicit SoundWavePulseMulti(CIrrKlangSceneNode* node);

    bool update(WaveData& waveData) override;
    int append(WaveData& waveData) override;
    int erase(WaveData& waveData) override;
    void runOut() override;

    std::vector<std::unique_ptr<SoundWavePulse>> pulses;   // the rings, innermost first
    std::vector<bool> ranOut;                               // per ring: ended, its record dark
};
