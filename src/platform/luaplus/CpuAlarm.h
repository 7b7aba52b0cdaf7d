#pragma once
// A timer on the calling thread's CPU clock. One Lua instruction may take milliseconds (comparing
// two huge strings, '#' on a table built to defeat its border search, next over a large emptied
// table), so counting instructions alone lets a run overstay its CPU budget by hundreds of them.
// When the alarm goes off it sets the running state's hook to fire at its very next instruction,
// which then finds the deadline passed.

#include <lua.hpp>

namespace vlua {

// Arms the alarm of this thread to go off after `seconds` of its CPU time, for the run of L.
// Without a timer (the system has none to give) nothing happens: the hook's own clock reads
// remain.
void armCpuAlarm(lua_State* L, lua_Hook hook, double seconds);

// The run is over: the alarm is off and the state has no hook until the next run sets one.
void disarmCpuAlarm(lua_State* L);

// The calling thread's CPU time in seconds. While its alarm is armed the reading may lag behind
// the clock (where a reading is dear, as under Wine), but never past the moment the alarm goes
// off: a reading taken after that is at or past the deadline.
double threadCpuSeconds();

}  // namespace vlua
