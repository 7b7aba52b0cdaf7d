#include "graphics/DrawCost.h"

#include "graphics/ProcessCpuClock.h"

#include <algorithm>

namespace Graphics {

void DrawCost::restart() {
    wallStart = std::chrono::steady_clock::now();
    cpuStart = processCpuSeconds();
}

double DrawCost::elapsedMs() const {
    const double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart).count();
    const double cpu = 1000.0 * (processCpuSeconds() - cpuStart + processCpuTick());
    return std::min(wall, cpu);
}

}  // namespace Graphics
