#include "RunBudget.h"

#include "CpuAlarm.h"
#include "luaplus/LuaState.h"

#include <time.h>

namespace vlua {

namespace {

const int kHookPeriod = 1000;  // instructions between budget checks

long instructionBudget = LuaState::kInstructionBudget;
double cpuBudget = LuaState::kCpuBudget;

void budgetHook(lua_State* L, lua_Debug* event);

// Does not return: the error unwinds the script's call.
void raiseStop(lua_State* L) {
    runtimeOf(L).budgetSpent = true;
    lua_sethook(L, budgetHook, LUA_MASKCOUNT, 1);
    luaL_error(L, "script stopped: over its budget of %d instructions or %f s of CPU time",
               static_cast<int>(instructionBudget), cpuBudget);
}

void budgetHook(lua_State* L, lua_Debug*) {
    LuaRuntime& runtime = runtimeOf(L);
    if (!runtime.budgetSpent) {
        runtime.instructionsLeft -= lua_gethookcount(L);
        if (runtime.instructionsLeft > 0 && threadCpuSeconds() < runtime.cpuDeadline) return;
    }
    raiseStop(L);
}

}  // namespace

ScriptRun::ScriptRun(LuaRuntime& runtime) : runtime(runtime) {
    runtime.instructionsLeft = instructionBudget;
    runtime.cpuDeadline = threadCpuSeconds() + cpuBudget;
    runtime.budgetSpent = false;
    runtime.chargedSinceClock = 0;
    runtime.capActive = true;
    runtime.capHit = false;
    lua_sethook(runtime.L, budgetHook, LUA_MASKCOUNT, kHookPeriod);
    armCpuAlarm(runtime.L, budgetHook, cpuBudget);
}

ScriptRun::~ScriptRun() {
    disarmCpuAlarm(runtime.L);
    runtime.capActive = false;
}

void setRunBudget(long instructions, double cpuSeconds) {
    instructionBudget = instructions;
    cpuBudget = cpuSeconds;
}

void chargeWork(lua_State* L, double instructions) {
    LuaRuntime& runtime = runtimeOf(L);
    if (!runtime.budgetSpent && instructions < static_cast<double>(runtime.instructionsLeft)) {
        runtime.instructionsLeft -= static_cast<long>(instructions);
        // Charged work between two instructions, as a callback loop inside the library, looks
        // at the clock as often as the hook does.
        runtime.chargedSinceClock += static_cast<long>(instructions);
        if (runtime.chargedSinceClock < kHookPeriod) return;
        runtime.chargedSinceClock = 0;
        if (threadCpuSeconds() < runtime.cpuDeadline) return;
    }
    raiseStop(L);
}

void checkDeadline(LuaRuntime& runtime) {
    if (runtime.budgetSpent || threadCpuSeconds() < runtime.cpuDeadline) return;
    runtime.instructionsLeft = 0;
    lua_sethook(runtime.L, budgetHook, LUA_MASKCOUNT, 1);
}

}  // namespace vlua
