#include "app/ConsoleLines.h"

#include <cstdio>

void printLinesAsTheyCome() { std::setvbuf(stdout, nullptr, _IOLBF, 0); }
