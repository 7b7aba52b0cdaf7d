#pragma once
// Internal to the Lua layer, never included by the game: what one state carries beside Lua's
// own lua_State. It is the allocator's user data, so hooks and native functions find it from
// the lua_State alone.

#include <lua.hpp>

#include <cstddef>

namespace vlua {

class LuaState;

struct LuaRuntime {
    lua_State* L = nullptr;
    LuaState* owner = nullptr;
    int taskRef = LUA_NOREF;  // the C function that runs the layer's own work protected

    // Memory, kept by the allocator.
    std::size_t bytesInUse = 0;
    bool capActive = false;   // only while script code runs
    bool capHit = false;      // an allocation was refused in the current run
    bool totalCapHit = false; // ... because all states together were over theirs

    // Budget of the run in progress.
    long instructionLimit = 0;  // what it started with
    double cpuLimit = 0;        // seconds
    long instructionsLeft = 0;
    long chargedSinceClock = 0;  // instructions charged by library calls since the last clock read
    bool budgetSpent = false;

    // A smaller budget for the next run only (LuaState::LimitNextRun); negative for none.
    long nextInstructionLimit = -1;
    double nextCpuLimit = -1;

    // What all runs took: instructions counted by the hook and thread CPU seconds.
    long instructionsRun = 0;
    double cpuSecondsRun = 0;
};

LuaRuntime& runtimeOf(lua_State* L);

// Lua numbers to int without undefined behaviour: NaN is 0, the rest truncated and clamped.
int clampToInt(double value);

// Turns a relative stack index into an absolute one, so that later pushes do not move it.
int absoluteIndex(lua_State* L, int index);

}  // namespace vlua
