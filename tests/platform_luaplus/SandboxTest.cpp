// Level scripts are untrusted: what they cannot reach, and how runaway scripts are stopped
// while the state stays usable.
#include "LuaFixture.h"

#include <chrono>
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
        "string.rep('', 2^31 - 1)",
        "table.insert({}, -2^31 + 1, 'x')",
        "table.concat({}, '', 1, 2^31 - 1)",
        "local s = string.rep(' ', 2^20) .. string.rep(' ', 2^20) while true do tonumber(s) end",
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

TEST_F(SandboxTest, EachRunIsChargedItsOwnCpuTimeThoughTheSystemsClockTicksCoarsely) {
    // Runs of well under a millisecond: shorter than one tick of Windows' thread clock, which
    // would charge them nothing or a whole tick.
    ASSERT_EQ(run("function work() local n = 0 for i = 1, 50000 do n = n + i end end"), StatusOk);
    for (int i = 0; i < 20; ++i) {
        const double before = state->TotalRunCost().cpuSeconds;
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(call("work"), StatusOk) << message();
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double charged = state->TotalRunCost().cpuSeconds - before;
        EXPECT_GT(charged, 0.0) << i;
        EXPECT_LE(charged, wall) << i;
    }
}

TEST_F(SandboxTest, UnpackGivesWhatACallCanHoldAndRefusesTheRest) {
    ASSERT_EQ(run("a, b, c = unpack({4, 5, 6})\nd, e = unpack({4, 5, 6}, 3)\n"
                  "f = select('#', unpack({}, 1, 0))\ng, h = unpack({7}, 0, 1)\n"
                  "i = select('#', unpack({}, 1, 7000))"),
              StatusOk)
        << message();
    EXPECT_EQ(state->GetGlobal("a").GetInteger() * 100 + state->GetGlobal("c").GetInteger(), 406);
    EXPECT_EQ(state->GetGlobal("d").GetInteger(), 6);
    EXPECT_FALSE(state->GetGlobal("e").IsFunction());
    EXPECT_EQ(state->GetGlobal("f").GetInteger(), 0);
    EXPECT_EQ(state->GetGlobal("h").GetInteger(), 7);
    EXPECT_EQ(state->GetGlobal("i").GetInteger(), 7000);

    // Lua's own unpack writes past the stack on the first of these.
    for (const char* range : {"{}, 0, 2^31 - 1", "{}, -2^31, 2^31 - 1", "{}, 1, 1e300", "{}, 0/0, 1",
                              "{}, 2^40, 2^40 + 1", "{}, 1, 9000"}) {
        EXPECT_EQ(run(std::string("unpack(") + range + ")"), StatusRuntimeError) << range;
        EXPECT_NE(message().find("refused"), std::string::npos) << range << ": " << message();
    }
    EXPECT_EQ(run("after = 1"), StatusOk);
}

TEST_F(SandboxTest, PositionsOutsideTheIntegersAreRefusedNotConverted) {
    for (const char* call : {"table.insert({}, 2^40, 1)", "table.insert({}, 0/0, 1)", "table.remove({1}, -2^53)",
                             "table.concat({'a'}, '', 1, math.huge)", "string.rep('a', 0/0)"}) {
        EXPECT_EQ(run(call), StatusRuntimeError) << call;
        EXPECT_NE(message().find("out of range"), std::string::npos) << call << ": " << message();
    }
    ASSERT_EQ(run("t = {} table.insert(t, 2^31 - 1, 'far') table.insert(t, 'near')\n"
                  "ok = t[2^31 - 1] == 'far' and t[1] == 'near' and table.concat({'a', 'b'}, '', 2) == 'b'"),
              StatusOk)
        << message();
    run("ok = ok and 1 or 0");
    EXPECT_EQ(state->GetGlobal("ok").GetInteger(), 1);
}

TEST_F(SandboxTest, FunctionsTheLibraryCallsBackAreChargedPerCall) {
    // Each pass of foreach over a million elements costs four million instructions of the ten
    // million budget: the third pass is stopped. Uncharged, only the clock would stop the loop,
    // hundreds of passes later.
    EXPECT_EQ(run("t = {} for i = 1, 1e6 do t[i] = i end passes = 0\n"
                  "while true do table.foreach(t, math.randomseed) passes = passes + 1 end"),
              StatusRuntimeError);
    EXPECT_NE(message().find("over its budget"), std::string::npos) << message();
    EXPECT_LE(state->GetGlobal("passes").GetInteger(), 2);
    EXPECT_EQ(run("passes = 0 while true do table.foreachi(t, math.randomseed) passes = passes + 1 end"),
              StatusRuntimeError);
    EXPECT_LE(state->GetGlobal("passes").GetInteger(), 2);

    // Sorting still sorts, with the default order and a comparator, and still reports bad orders.
    ASSERT_EQ(run("a = {3, 1, 2} table.sort(a) b = {3, 1, 2} table.sort(b, function(x, y) return x > y end)\n"
                  "ok = a[1] * 100 + a[3] * 10 + b[1]"),
              StatusOk)
        << message();
    EXPECT_EQ(state->GetGlobal("ok").GetInteger(), 133);
    EXPECT_EQ(run("table.sort({1, 'x', 2})"), StatusRuntimeError);
    EXPECT_NE(message().find("attempt to compare"), std::string::npos) << message();
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
