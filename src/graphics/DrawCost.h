#pragma once
// What a stretch of drawing cost, in msec: the smaller of the wall time it took and the CPU time
// the process spent meanwhile (the software rasteriser's threads included). A stopped or starved
// process, a screen grab or a window being moved make the wall time long but spend no CPU; a
// driver that waits for the GPU spends wall time, and some spin on the CPU while they wait. Where
// the CPU time is counted coarsely (Windows), a tick is added to it, so that the cost is never
// less than the time spent.

#include <chrono>

namespace Graphics {

class DrawCost {
public:
    DrawCost() { restart(); }
    void restart();
    double elapsedMs() const;

private:
    std::chrono::steady_clock::time_point wallStart;
    double cpuStart;  // seconds
};

}  // namespace Graphics
