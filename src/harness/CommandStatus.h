#pragma once
// The exit code of a program run through std::system or popen/pclose, from what those return:
// on POSIX a wait status (-1 when the program did not exit by itself), on Windows the code itself.
int commandExitCode(int status);
