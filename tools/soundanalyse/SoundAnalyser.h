#pragma once
// Cuts a sound into 100 ms slots, as the game's emitters judge it, and measures each: its
// loudness and its energy in four bands. Bass-heavy slots (low + mid) colour a beat's pulse red
// and make it larger; bright ones (high + presence) colour it blue and make it smaller.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Biquad.h"

struct AnalysisSlot {
    // Mean energy per band, as a fraction (0..1) of the strongest band in any slot of the sound.
    float low;       // below 250 Hz
    float mid;       // 250 Hz .. 2 kHz
    float high;      // 2 kHz .. 6 kHz
    float presence;  // above 6 kHz
    // RMS loudness as a fraction (0..1) of the loudest slot; 0 throughout for a silent sound.
    float level;
};

class SoundAnalyser {
public:
    static constexpr int SLOT_MS = 100;

    explicit SoundAnalyser(int sampleRate);

    // Mono samples in play order, in blocks of any size. Samples beyond -1..1 are clipped as
    // the player hears them; samples that are not numbers count as silence.
    void feed(const float* samples, std::size_t count);

    // One slot per started 100 ms, the last one possibly shorter; empty before any sample.
    std::vector<AnalysisSlot> slots() const;

private:
    struct Sums {
        double bands[4] = {0.0, 0.0, 0.0, 0.0};
        double total = 0.0;
        std::int64_t frames = 0;
    };

    std::int64_t endOfSlot(std::int64_t slot) const;

    int sampleRate;
    // Band splits: low-pass for low, high-pass then low-pass for mid and high, high-pass for
    // presence.
    Biquad lowBand, midFloor, midCeiling, highFloor, highCeiling, presenceFloor;
    std::vector<Sums> done;  // the finished slots
    Sums current;
    std::int64_t frames = 0;  // fed so far
    std::int64_t slotEnd;     // first frame after the current slot
};
