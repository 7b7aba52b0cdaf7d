#include "app/HeapTuning.h"

// Nothing to tune: the large per-frame blocks belong to a software rasteriser, which Windows does
// not draw with (its OpenGL driver is the graphics card's); where one does (Wine over a software
// renderer), it allocates from the host's C heap, out of the game's reach.
void tuneHeapForFrames() {}
