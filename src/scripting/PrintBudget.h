#pragma once
// What scripts may print. A script's output costs the frame the console's time, so each
// object may print at most kMostPrintedPerCall bytes in one call and kMostPrintedPerFrame bytes
// in one frame, and all scripts together kMostPrintedByAllPerFrame; the rest is cut. The first
// cut of an object is reported in one line, and the first cut of all scripts together in another.

#include <cstddef>

namespace vlua { class LuaState; }

constexpr std::size_t kMostPrintedPerCall = 1024;          // bytes
constexpr std::size_t kMostPrintedPerFrame = 4096;         // bytes
constexpr std::size_t kMostPrintedByAllPerFrame = 16384;   // bytes

// Prints what the budget of the state's object allows of the text, no newline added; control
// bytes other than the newline are shown escaped (\x1b), and the budget counts what is shown.
void printWithinBudget(vlua::LuaState* state, const char* text);

// A new frame: every object, whether its OnTick runs or not, and all together may print again.
void startPrintFrame();

// The state is gone; a later state at the same address starts afresh.
void forgetPrintBudget(const vlua::LuaState* state);
