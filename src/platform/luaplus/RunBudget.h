#pragma once
// The run budget. Every DoFile and PCall is one run with LuaState::kInstructionBudget VM
// instructions and kCpuBudget seconds of thread CPU time (unless LuaState::SetRunBudget changed
// them). A count hook takes instructions off every kHookPeriod instructions and reads the clock,
// and a CPU alarm (CpuAlarm.h) makes it fire at the next instruction once the time is up, however
// long single instructions take. Once the budget is spent the hook fires on every instruction, so
// a pcall inside the script that catches the stop is stopped again at its next instruction
// outside it. LuaState::LimitNextRun makes the next run's budget smaller, and what each run
// took is kept for LuaState::LastRunCost.

#include "LuaRuntime.h"

namespace vlua {

// One run of script code: a full budget and the memory cap while it lives. Runs do not nest.
class ScriptRun {
public:
    explicit ScriptRun(LuaRuntime& runtime);
    ~ScriptRun();
    ScriptRun(const ScriptRun&) = delete;
    ScriptRun& operator=(const ScriptRun&) = delete;

private:
    LuaRuntime& runtime;
};

// Takes work done inside one library call off the budget, in instructions; raises the stop
// in the calling script when that spends it.
void chargeWork(lua_State* L, double instructions);

// The budget of every later run (LuaState::SetRunBudget).
void setRunBudget(long instructions, double cpuSeconds);

// When the run has spent its CPU time, makes the script stop at its next instruction.
void checkDeadline(LuaRuntime& runtime);

}  // namespace vlua
