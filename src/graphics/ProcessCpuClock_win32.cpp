#include "graphics/ProcessCpuClock.h"

#include <windows.h>

#include <cstdint>

namespace Graphics {

// Not std::clock: Windows' C runtime gives wall time there.
double processCpuSeconds() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    auto ticks = [](FILETIME t) { return (std::int64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return double(ticks(kernel) + ticks(user)) * 1e-7;
}

double processCpuTick() { return 1.0 / 64; }

}  // namespace Graphics
