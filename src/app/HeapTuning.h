#pragma once
// Keeps the C heap from giving memory back to the system and asking for it again every frame.
// The software rasteriser allocates and frees large blocks each frame; with glibc's defaults the
// heap shrank and grew each time and the page faults took a quarter to nearly half of the CPU.
void tuneHeapForFrames();
