#pragma once
// Runs another program, as the checker runs Debian's luacheck: straight, with no shell between
// (the arguments hold names from the level), keeping what it prints.

#include <string>
#include <vector>

struct ProgramOutput {
    std::string text;  // standard output and standard error together, cut at a few MiB
    int code = -1;     // its exit code; -1 when it could not be started or did not end normally
};

// arguments[0] is the program, looked up on PATH.
ProgramOutput runProgram(const std::vector<std::string>& arguments);
