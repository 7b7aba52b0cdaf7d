#include "app/Game.h"
#include "app/HeapTuning.h"
#include "app/QuitBound.h"

#include <cstdio>

// Arguments and environment are ignored: the level, scripts, sounds and shaders are the only data.
int main() {
    // Each line reaches a log as it is printed, even when the game is killed.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    tuneHeapForFrames();
    startUp();
    while (runFrame()) {
    }
    boundTheQuit();
    return 0;
}
