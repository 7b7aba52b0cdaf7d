#pragma once
// A timer on the calling thread's CPU clock. One Lua instruction may take milliseconds (comparing
// two huge strings, '#' on a table built to defeat its border search, next over a large emptied
// table), so counting instructions alone lets a run overstay its CPU budget by hundreds of them.
// When the alarm goes off it sets the running state's hook to fire at its very next instruction,
// which then finds the run's time spent.

#include <lua.hpp>

namespace vlua {

// Starts the run of L on this thread: its CPU clock starts at 0, and its alarm goes off after
// `seconds` of it. Without a timer (the system has none to give) no alarm goes off: the hook's
// own clock reads remain.
void armCpuAlarm(lua_State* L, lua_Hook hook, double seconds);

// The CPU time in seconds this thread's run has spent so far; 0 outside a run. The reading may
// lag behind the clock (where a reading is dear, as under Wine), but never past the moment the
// alarm goes off: a reading taken after that is at or past the alarm's time.
double runCpuSeconds();

// The run is over: the alarm is off and the state has no hook until the next run sets one.
// Returns the CPU time the run spent. Where the system counts a thread's CPU time only in ticks
// of its clock (Windows), this is an upper bound: exact while the thread kept its core, and more,
// by less than a tick, only when it waited for one.
double disarmCpuAlarm(lua_State* L);

}  // namespace vlua
