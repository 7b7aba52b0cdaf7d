#pragma once
// Each line the game prints reaches a log as it is printed, even when the game is killed.
void printLinesAsTheyCome();
