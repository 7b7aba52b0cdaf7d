#include "app/Game.h"
#include "app/HeapTuning.h"

// Arguments and environment are ignored: the level, scripts, sounds and shaders are the only data.
int main() {
    tuneHeapForFrames();
    startUp();
    while (runFrame()) {
    }
    return 0;
}
