#pragma once
// The CPU time the whole process has spent (every thread, the software rasteriser's included).

namespace Graphics {

// In seconds, from an arbitrary start.
double processCpuSeconds();

// How far the difference of two readings may fall short of the time spent between them: none
// where the system counts exactly; a tick of the clock interrupt on Windows, which counts CPU time
// only in those (at most 1/64 s).
double processCpuTick();

}  // namespace Graphics
