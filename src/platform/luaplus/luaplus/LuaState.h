#pragma once
// One Lua 5.1 state: in the game, one per scripted object. Scripts come with the level, so they
// are untrusted and every state is a sandbox:
//  - libraries: base without anything that loads code (dofile, loadfile, load, loadstring) and
//    without xpcall, coroutine, newproxy, collectgarbage and print; string without pattern
//    matching (Lua 5.1's matcher can neither be interrupted nor bounded) and without dump;
//    table without maxn; math. No io, os, package or debug.
//  - DoFile refuses precompiled bytecode.
//  - every DoFile and PCall runs under a budget: kInstructionBudget VM instructions and
//    kCpuBudget seconds of CPU time, whichever ends first; an instruction that runs past the
//    time (a huge string compared, a table's border searched) is the last one. Library calls
//    that loop are charged for their work (see LibraryCharges.h); unpack refuses more values
//    than a call can return.
//    Past the budget the script
//    is stopped with an error that a pcall inside the script cannot swallow. Native functions
//    are not charged, but the CPU time is checked after each of them.
//  - Lua may hold at most kMemoryCap bytes while script code runs, and all states together at
//    most kAllStatesMemoryCap, so that many objects cannot each fill theirs. The game's own reads and
//    writes are exempt, so they do not fail because a script filled its share.
// The game reads and writes tables raw: a metatable that a script sets never runs game-side.
// Failures of the layer itself (memory outside any script) throw LuaException.
// Main thread only. LuaObjects must be gone before their state is destroyed.

#include <memory>

namespace vlua {

class LuaObject;
struct LuaRuntime;

// A native function that scripts may call: reads its arguments with LuaStackObject and returns
// how many results it pushed.
using LuaCallback = int (*)(class LuaState* state);

// What runs of script code took.
struct RunCost {
    long instructions;   // VM instructions and charged library work
    double cpuSeconds;   // thread CPU time, native functions it called included
};

// Results of DoFile and PCall: Lua 5.1's codes, plus our refusal of a file.
enum LuaStatus {
    StatusOk = 0,
    StatusRuntimeError = 2,
    StatusSyntaxError = 3,
    StatusMemoryError = 4,
    StatusHandlerError = 5,
    StatusFileError = 6,  // the file could not be opened or read
    StatusRefused = 7,    // bytecode, or larger than the memory cap
};

class LuaState {
public:
    static constexpr long kInstructionBudget = 10000000;
    static constexpr double kCpuBudget = 0.1;                 // seconds of CPU time per run
    static constexpr unsigned long kMemoryCap = 32ul << 20;   // bytes
    static constexpr unsigned long kAllStatesMemoryCap = 128ul << 20;

    // A smaller budget for every later run, for programs that run many scripts in a row.
    static void SetRunBudget(long instructions, double cpuSeconds);

    // A budget below the usual one for this state's next DoFile or PCall only, so that a game
    // sharing one budget between many scripts can give each its part; negative values take a
    // limit back before any run used it.
    void LimitNextRun(long instructions, double cpuSeconds);
    RunCost TotalRunCost() const;  // of every DoFile and PCall so far

    // A new sandboxed state, or nullptr when Lua cannot make one.
    static LuaState* Create();
    static void Destroy(LuaState* state);

    // Runs a script file; 0 on success. On failure the message is left on the stack top, as
    // luaL_dofile leaves it.
    int DoFile(const char* path);

    LuaObject GetGlobals();
    LuaObject GetGlobal(const char* name);

    // The stack, for calling a pushed function as lua_pcall does; PCall is budgeted like DoFile.
    int GetTop();
    void SetTop(int index);
    void PushInteger(int value);
    int PCall(int nargs, int nresults, int errfunc);
    const char* ToString(int index);  // a string or a number as text (in place), else nullptr
    double ToNumber(int index);       // 0 when the value is no number nor numeric string
    bool StoppedByBudget() const;     // the last DoFile or PCall was stopped by its budget
    bool MetAllStatesCap() const;     // ... was refused memory because all states were at their cap

    LuaState(const LuaState&) = delete;
    LuaState& operator=(const LuaState&) = delete;

private:
    friend class LuaObject;
    friend class LuaStackObject;

    explicit LuaState(std::unique_ptr<LuaRuntime> runtime);
    ~LuaState();

    std::unique_ptr<LuaRuntime> runtime;
};

}  // namespace vlua
