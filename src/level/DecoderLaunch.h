#pragma once
// How this system starts the decoding helper and speaks with it (DecoderLaunch_posix.cpp,
// DecoderLaunch_win32.cpp); what the request holds and what a failed run says are the same on
// every system (DecoderProcess.cpp).

#include "level/DecoderProcess.h"

#include <string>

// The running program's own file, empty when the system cannot tell; whether `path` can be run.
std::string runningProgram();
bool isProgram(const std::string& path);

// Runs `program` under the helper's limits, hands it `request` and fills `run`: the reply, or why
// there is none.
void converseWithHelper(std::string program, const std::string& request, DecoderRun& run);

// Why a run gave nothing, as the tail of a sentence.
std::string helperNotStarted();
std::string helperOverReply();
std::string helperOverTime();
std::string helperOverProcessorTime();
std::string helperCrashed();
