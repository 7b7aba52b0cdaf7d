#include "graphics/DrawCost.h"

#include <algorithm>
#include <ctime>

namespace Graphics {

namespace {

// Not std::clock: Windows' C runtime gives wall time there.
double processCpuSeconds() {
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// How far a difference of two readings may fall short of the time spent: a nanosecond on Linux,
// a tick of the clock interrupt on Windows, which counts CPU time only in those.
double processCpuStep() {
    timespec step;
    return clock_getres(CLOCK_PROCESS_CPUTIME_ID, &step) == 0 ? double(step.tv_sec) + double(step.tv_nsec) * 1e-9 : 0;
}

}  // namespace

void DrawCost::restart() {
    wallStart = std::chrono::steady_clock::now();
    cpuStart = processCpuSeconds();
}

double DrawCost::elapsedMs() const {
    const double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart).count();
    const double cpu = 1000.0 * (processCpuSeconds() - cpuStart + processCpuStep());
    return std::min(wall, cpu);
}

}  // namespace Graphics
