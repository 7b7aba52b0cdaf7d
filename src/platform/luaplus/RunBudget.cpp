#include "RunBudget.h"

#include "CpuAlarm.h"
#include "luaplus/LuaState.h"

#include <algorithm>

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
    const LuaRuntime& runtime = runtimeOf(L);
    luaL_error(L, "script stopped: over its budget of %d instructions or %f s of CPU time",
               static_cast<int>(runtime.instructionLimit), runtime.cpuLimit);
}

void budgetHook(lua_State* L, lua_Debug*) {
    LuaRuntime& runtime = runtimeOf(L);
    if (!runtime.budgetSpent) {
        runtime.instructionsLeft -= lua_gethookcount(L);
        if (runtime.instructionsLeft > 0 && runCpuSeconds() < runtime.cpuLimit) return;
    }
    raiseStop(L);
}

// The run's limit: the budget of every run, or less when the next run was limited.
template <class T> T limitOf(T budget, T& next) {
    T limit = next >= 0 ? std::min(budget, next) : budget;
    next = -1;
    return limit;
}

}  // namespace

ScriptRun::ScriptRun(LuaRuntime& runtime) : runtime(runtime) {
    runtime.instructionLimit = limitOf(instructionBudget, runtime.nextInstructionLimit);
    runtime.cpuLimit = limitOf(cpuBudget, runtime.nextCpuLimit);
    runtime.instructionsLeft = runtime.instructionLimit;
    runtime.budgetSpent = false;
    runtime.chargedSinceClock = 0;
    runtime.capActive = true;
    runtime.capHit = false;
    // A small budget is counted as finely as it is: not overrun by a whole period.
    lua_sethook(runtime.L, budgetHook, LUA_MASKCOUNT,
                static_cast<int>(std::clamp<long>(runtime.instructionLimit, 1, kHookPeriod)));
    armCpuAlarm(runtime.L, budgetHook, runtime.cpuLimit);
}

ScriptRun::~ScriptRun() {
    runtime.cpuSecondsRun += disarmCpuAlarm(runtime.L);
    runtime.capActive = false;
    runtime.instructionsRun += runtime.instructionLimit - std::max(0L, runtime.instructionsLeft);
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
        if (runCpuSeconds() < runtime.cpuLimit) return;
    }
    raiseStop(L);
}

void checkDeadline(LuaRuntime& runtime) {
    if (runtime.budgetSpent || runCpuSeconds() < runtime.cpuLimit) return;
    runtime.instructionsLeft = 0;
    lua_sethook(runtime.L, budgetHook, LUA_MASKCOUNT, 1);
}

}  // namespace vlua
