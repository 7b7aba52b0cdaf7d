#include "app/ConsoleLines.h"
#include "app/Game.h"
#include "app/HeapTuning.h"
#include "app/QuitBound.h"

// Arguments and environment are ignored: the level, scripts, sounds and shaders are the only data.
int main() {
    printLinesAsTheyCome();
    tuneHeapForFrames();
    startUp();
    while (runFrame()) {
    }
    boundTheQuit();
    return 0;
}
