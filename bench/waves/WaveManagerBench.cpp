// WaveManager::update with many live free pulses, about one in sixty finishing every frame and
// replaced by a new one, as footsteps and impacts keep coming.

#include "graphics/GraphicsSystem.h"
#include "waves/WaveManager.h"

#include <benchmark/benchmark.h>

using irr::core::vector3df;

namespace {

void addPulse(WaveManager& waves, float startRadius) {
    waves.addPulse(vector3df(startRadius, 0, 0), 10, 5, 10, 1, startRadius, vector3df(1, 1, 1));
}

void BM_WaveManagerUpdate(benchmark::State& state) {
    GraphicsSystem::useDriver(irr::video::EDT_NULL);
    GraphicsSystem::instance().frameTime = 16;
    const int live = static_cast<int>(state.range(0));
    WaveManager waves;
    for (int i = 0; i < live; ++i) addPulse(waves, 10.0f * i / live);
    long finished = 0;
    for (auto _ : state) {
        waves.update();
        int missing = live - static_cast<int>(waves.waves().size());
        finished += missing;
        for (int i = 0; i < missing; ++i) addPulse(waves, 0);
        waves.ensureEndMarker();   // as the first draw of the frame does
    }
    state.counters["finished/frame"] =
        benchmark::Counter(static_cast<double>(finished) / state.iterations());
}

BENCHMARK(BM_WaveManagerUpdate)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
