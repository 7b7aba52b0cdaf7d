#pragma once
// What scripts may print. A script's output costs the frame the console's time, so each
// object may print at most kMostPerCall bytes in one call and kMostPerFrame bytes between two
// of its OnTick calls (one frame); the rest is cut, and the first cut of an object is reported in
// one line.

#include <cstddef>

namespace vlua { class LuaState; }

constexpr std::size_t kMostPrintedPerCall = 1024;   // bytes
constexpr std::size_t kMostPrintedPerFrame = 4096;  // bytes

// Prints what the budget of the state's object allows of the text, no newline added.
void printWithinBudget(vlua::LuaState* state, const char* text);

// The object's OnTick is about to run: a new frame of output for it.
void startPrintFrame(const vlua::LuaState* state);

// The state is gone; a later state at the same address starts afresh.
void forgetPrintBudget(const vlua::LuaState* state);
