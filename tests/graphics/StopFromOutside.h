#pragma once
// Holds the calling thread stopped from outside for `ms` of wall time, as a debugger, a
// suspended machine or one too busy to run the game do; returns once it runs again.
void stopFromOutside(int ms);
