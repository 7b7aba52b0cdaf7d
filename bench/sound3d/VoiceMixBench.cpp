// CPU share of mixing 64 looping voices spread around the listener, panned by level against
// binaural through HRTF. Both engines mix on loopback devices, as a real device's mixing thread
// would, in 1024-frame periods; the two alternate round by round so that a busy machine weighs on
// both alike. Prints each round and the medians; the ratio is binaural over panned.

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "sound3d/LoopbackDevice.h"
#include "sound3d/vsound.h"

namespace {

const int kRate = 44100;
const int kPeriod = 1024;   // frames mixed per call, as a device period
const int kVoices = 64;     // the whole voice pool
const int kRounds = 15;
const char* const kSound = VELMORA_GAME_DIR "/Content/sounds/ambient/hum.wav";

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + 1e-9 * double(now.tv_nsec);
}

// Voices on a spiral over the whole sphere, 2 to 20 units away.
void fillWithVoices(vsound::ISoundEngine* engine) {
    for (int i = 0; i < kVoices; ++i) {
        double up = 1.0 - 2.0 * (i + 0.5) / kVoices;
        double around = i * M_PI * (3.0 - std::sqrt(5.0));
        double distance = 2.0 + 18.0 * i / (kVoices - 1);
        double flat = std::sqrt(1.0 - up * up);
        vsound::vec3df where(float(distance * flat * std::cos(around)), float(distance * up),
                             float(distance * flat * std::sin(around)));
        engine->play3D(kSound, where, true, false, false);
    }
}

// CPU seconds spent mixing one second of sound.
double mixOneSecond(vsound::ISoundEngine* engine, std::vector<float>& out) {
    double start = threadSeconds();
    for (int mixed = 0; mixed < kRate; mixed += kPeriod)
        vsound::renderLoopback(engine, out.data(), kPeriod);
    return threadSeconds() - start;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    vsound::ISoundEngine* panned = vsound::createLoopbackDevice(kRate, false);
    vsound::ISoundEngine* binaural = vsound::createLoopbackDevice(kRate, true);
    if (!panned || !binaural) {
        std::printf("Sound: no loopback device; nothing to measure.\n");
        return 1;
    }
    fillWithVoices(panned);
    fillWithVoices(binaural);
    std::vector<float> out(size_t(2 * kPeriod));
    mixOneSecond(panned, out);
    mixOneSecond(binaural, out);

    std::vector<double> pannedShares, binauralShares, ratios;
    std::printf("round  panned %%CPU  binaural %%CPU  ratio\n");
    for (int round = 0; round < kRounds; ++round) {
        double p, b;
        if (round % 2 == 0) {
            p = mixOneSecond(panned, out);
            b = mixOneSecond(binaural, out);
        } else {
            b = mixOneSecond(binaural, out);
            p = mixOneSecond(panned, out);
        }
        pannedShares.push_back(100.0 * p);
        binauralShares.push_back(100.0 * b);
        ratios.push_back(b / p);
        std::printf("%5d  %11.2f  %13.2f  %5.2f\n", round, 100.0 * p, 100.0 * b, b / p);
    }
    std::printf("median %d voices: panned %.2f%% of one core, binaural %.2f%%, ratio %.2f\n",
                kVoices, median(pannedShares), median(binauralShares), median(ratios));
    panned->drop();
    binaural->drop();
    return 0;
}
