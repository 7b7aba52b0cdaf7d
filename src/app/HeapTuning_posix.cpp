#include "app/HeapTuning.h"

#include <malloc.h>

void tuneHeapForFrames() {
    // Freed memory stays in the heap up to 256 MB, and blocks up to 32 MB (glibc's largest
    // setting) come from the heap rather than from fresh mappings.
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
}
