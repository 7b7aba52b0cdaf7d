#pragma once
// Collects what the game prints on standard output while it runs a piece of work, so that the
// checker can show the game's own reports beside the node they name.

#include <cstdio>
#include <string>
#include <vector>

class ConsoleCapture {
public:
    ConsoleCapture();   // from here on, standard output goes to a temporary file
    ~ConsoleCapture();  // standard output is restored if finish() was not called
    // Restores standard output and returns the lines printed meanwhile.
    std::vector<std::string> finish();

private:
    int savedOut;
    std::FILE* file;
};
