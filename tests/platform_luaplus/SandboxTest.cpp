// Level scripts are untrusted: what they cannot reach, and how runaway scripts are stopped
// while the state stays usable.
#include "LuaFixture.h"

#include <string>
#include <time.h>

using namespace vlua;

namespace {

using SandboxTest = LuaFixture;

TEST_F(SandboxTest, OnlyTheSafeLibrariesAreThere) {
    ASSERT_EQ(run("absent = {}\n"
                  "for _, name in ipairs({'os', 'io', 'debug', 'package', 'require', 'module',\n"
                  "    'dofile', 'loadfile', 'load', 'loadstring', 'xpcall', 'coroutine', 'newproxy',\n"
                  "    'collectgarbage', 'print'}) do\n"
                  "  if _G[name] == nil then absent[#absent + 1] = name end\n"
                  "end\n"
                  "absentCount = #absent\n"
                  "noPatterns = (string.find or string.match or string.gmatch or string.gsub\n"
                  "    or string.gfind or string.dump or table.maxn) == nil and 1 or 0\n"
                  "usable = string.format('%d', math.floor(2.5)) .. string.rep('a', 2)\n"
                  "  .. table.concat({'b', 'c'}) .. ('x'):upper()"),
              StatusOk)
        << message();
    EXPECT_EQ(state->GetGlobal("absentCount").GetInteger(), 15);
    EXPECT_EQ(state->GetGlobal("noPatterns").GetInteger(), 1);
    run("ok = usable == '2aabcX' and 1 or 0");
    EXPECT_EQ(state->GetGlobal("ok").GetInteger(), 1);
}

TEST_F(SandboxTest, EndlessLoopsAreStoppedAndTheStateGoesOn) {
    const char* loops[] = {
        "while true do end",
        "local function f() return f() end f()",
        // A pcall inside the script must not swallow the stop.
        "while true do pcall(function() while true do end end) end",
        // Library calls whose work the instruction count does not see.
        "string.rep('', 1e15)",
        "local t = {} for i = 1, 1000 do t[i] = i end while true do table.insert(t, 1, 0) "
        "table.remove(t, 1) end",
        "local s = string.rep('x', 1e6) while true do local t = s .. 'y' end",
    };
    for (const char* loop : loops) {
        EXPECT_EQ(run(loop), StatusRuntimeError) << loop;
        EXPECT_NE(message().find("over its budget"), std::string::npos) << loop << ": " << message();
        EXPECT_EQ(run("after = 1"), StatusOk) << loop;
    }
}

int slowCalls = 0;

// A native function that burns 10 ms of this thread's CPU time.
int slow(LuaState*) {
    ++slowCalls;
    timespec start, now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
    do clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    while ((now.tv_sec - start.tv_sec) * 1e3 + (now.tv_nsec - start.tv_nsec) * 1e-6 < 10);
    return 0;
}

TEST_F(SandboxTest, SlowNativeFunctionsAreStoppedByTheClockAfterEachCall) {
    state->GetGlobals().Register("Slow", slow);
    EXPECT_EQ(run("while true do Slow() end"), StatusRuntimeError);
    EXPECT_NE(message().find("over its budget"), std::string::npos);
    // The instruction count alone would look at the clock only after hundreds of calls.
    EXPECT_LT(slowCalls, 100);
}

TEST_F(SandboxTest, TheBudgetIsPerCall) {
    // Each call does about 60% of the budget: two calls in a row both finish.
    ASSERT_EQ(run("function work() local n = 0 for i = 1, 3000000 do n = n + i end end"), StatusOk);
    EXPECT_EQ(call("work"), StatusOk) << message();
    EXPECT_EQ(call("work"), StatusOk) << message();
    ASSERT_EQ(run("function spin() while true do end end"), StatusOk);
    EXPECT_EQ(call("spin"), StatusRuntimeError);
    EXPECT_EQ(call("work"), StatusOk) << message();
}

TEST_F(SandboxTest, MemoryBombsAreStoppedAndTheGameCanStillWrite) {
    EXPECT_EQ(run("local s = 'x' while true do s = s .. s end"), StatusMemoryError);
    EXPECT_NE(message().find("memory cap"), std::string::npos) << message();
    EXPECT_EQ(run("after = 0\nfunction release() hoard = nil after = objID end\n"
                  "hoard = {} while true do hoard[#hoard + 1] = {} end"),
              StatusMemoryError);

    // The hoard is still held; the game's own writes are not refused.
    LuaObject globals = state->GetGlobals();
    globals.SetInteger("objID", 4);
    EXPECT_EQ(globals["objID"].GetInteger(), 4);
    EXPECT_EQ(call("release"), StatusOk) << message();
    EXPECT_EQ(globals["after"].GetInteger(), 4);
}

}  // namespace
