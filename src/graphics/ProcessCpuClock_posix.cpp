#include "graphics/ProcessCpuClock.h"

#include <ctime>

namespace Graphics {

double processCpuSeconds() {
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double processCpuTick() { return 0; }

}  // namespace Graphics
