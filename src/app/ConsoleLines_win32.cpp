#include "app/ConsoleLines.h"

#include <cstdio>

// Windows' C runtime has no line buffering (it takes _IOLBF for full buffering): unbuffered then.
// The game prints at loading and on events, not every frame.
void printLinesAsTheyCome() { std::setvbuf(stdout, nullptr, _IONBF, 0); }
