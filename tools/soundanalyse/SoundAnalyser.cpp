#include "SoundAnalyser.h"

#include <algorithm>
#include <cmath>

namespace {
const double kLowMidHz = 250.0;
const double kMidHighHz = 2000.0;
const double kHighPresenceHz = 6000.0;
}  // namespace

SoundAnalyser::SoundAnalyser(int sampleRate)
    : sampleRate(std::max(sampleRate, 1)),
      lowBand(Biquad::LowPass, kLowMidHz, this->sampleRate),
      midFloor(Biquad::HighPass, kLowMidHz, this->sampleRate),
      midCeiling(Biquad::LowPass, kMidHighHz, this->sampleRate),
      highFloor(Biquad::HighPass, kMidHighHz, this->sampleRate),
      highCeiling(Biquad::LowPass, kHighPresenceHz, this->sampleRate),
      presenceFloor(Biquad::HighPass, kHighPresenceHz, this->sampleRate),
      slotEnd(endOfSlot(0)) {}

// Slot k covers frames [floor(k * rate / 10), floor((k + 1) * rate / 10)), so the slots stay on
// the 100 ms grid at rates that are not a multiple of ten.
std::int64_t SoundAnalyser::endOfSlot(std::int64_t slot) const {
    return (slot + 1) * sampleRate * SLOT_MS / 1000;
}

void SoundAnalyser::feed(const float* samples, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        while (frames >= slotEnd) {
            done.push_back(current);
            current = Sums();
            slotEnd = endOfSlot(std::int64_t(done.size()));
        }
        float x = std::isfinite(samples[i]) ? std::clamp(samples[i], -1.0f, 1.0f) : 0.0f;
        const float bands[4] = {lowBand.run(x), midCeiling.run(midFloor.run(x)),
                                highCeiling.run(highFloor.run(x)), presenceFloor.run(x)};
        for (int band = 0; band < 4; ++band)
            current.bands[band] += double(bands[band]) * bands[band];
        current.total += double(x) * x;
        ++current.frames;
        ++frames;
    }
}

std::vector<AnalysisSlot> SoundAnalyser::slots() const {
    std::vector<Sums> all = done;
    if (current.frames > 0)
        all.push_back(current);
    double loudest = 0.0;    // RMS of the loudest slot
    double strongest = 0.0;  // mean energy of the strongest band in any slot
    for (const Sums& sums : all) {
        if (sums.frames == 0)
            continue;
        loudest = std::max(loudest, std::sqrt(sums.total / sums.frames));
        for (double band : sums.bands)
            strongest = std::max(strongest, band / sums.frames);
    }
    std::vector<AnalysisSlot> result;
    result.reserve(all.size());
    for (const Sums& sums : all) {
        AnalysisSlot slot{0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
        if (sums.frames > 0) {
            auto share = [&](double band) {
                return strongest > 0.0 ? float(band / sums.frames / strongest) : 0.0f;
            };
            slot.low = share(sums.bands[0]);
            slot.mid = share(sums.bands[1]);
            slot.high = share(sums.bands[2]);
            slot.presence = share(sums.bands[3]);
            slot.level = loudest > 0.0 ? float(std::sqrt(sums.total / sums.frames) / loudest) : 0.0f;
        }
        result.push_back(slot);
    }
    return result;
}
