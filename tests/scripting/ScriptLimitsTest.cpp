// Slow single instructions, a flood of output from many objects and many objects filling the
// memory of all scripts: each ends with one line, the frame bounded, and the game goes on.
#include "ScriptFixture.h"
#include "scripting/PrintBudget.h"
#include "scripting/ScriptFrame.h"
#include "scripting/ScriptMemoryFull.h"

#include <ctime>

namespace {

using ScriptLimitsTest = ScriptFixture;

// Not std::clock: Windows' C runtime gives wall time there.
double processCpuSeconds() {
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST_F(ScriptLimitsTest, SlowSingleInstructionsStopAtTheBudgetWithOneLine) {
    // Few instructions for their time: counted alone, they would overrun by 40 to 200 ms.
    // Loading and OnCreate share the setup, each within its own budget.
    const char* const cases[] = {
        "s = string.rep(string.rep('a', 1024), 8 * 1024)\nfunction OnCreate() end\n"
        "function OnTick() while true do local _ = s < s end end",
        "t = {} for i = 1, 2^18 do t[i + 0.5] = true end\nfunction OnCreate() for i = 1, 2^18 do t[i + 0.5] = nil end end\n"
        "function OnTick() while true do next(t) end end",
        // The array part is full and the doubling search for its border runs past 2^31.
        "t = {} for i = 1, 2^18 + 1 do t[i] = true end\nlocal j = 2^19 + 1 while j < 2^31 do t[j] = true j = j * 2 end\n"
        "function OnCreate() for i = 2^18 + 2, 2^19 do t[i] = true end end\n"
        "function OnTick() while true do local _ = #t end end",
    };
    for (const char* code : cases) {
        GameObject* slow = addObject("Slow");
        EXPECT_EQ(attach(slow, code).find("Scripting:"), std::string::npos) << code;
        double start = processCpuSeconds();
        std::string report = event(slow, "OnTick");
        double spent = processCpuSeconds() - start;
        EXPECT_EQ(count(report, "\n"), 1u) << code << report;
        EXPECT_NE(report.find("OnTick failed: script stopped: over its budget"), std::string::npos) << code;
        EXPECT_LT(spent, 0.13) << code;  // the budget is 0.1 s
        detachScript(*slow);
    }
}

TEST_F(ScriptLimitsTest, ManyCostlyObjectsShareOneFrameBudgetAndTheCostliestAreRested) {
    // Twenty ticks each within the budget of one run, one costly in a few slow instructions, and
    // a cheap one last.
    std::list<GameObject*> level;
    for (int i = 0; i < 22; ++i) {
        level.push_back(addObject("Busy"));
        attach(level.back(), i < 20   ? "function OnTick() for i = 1, 5e6 do end end"
                             : i < 21 ? "s = string.rep('a', 2^23) r = s .. ''\n"
                                        "function OnTick() for i = 1, 200 do local _ = s < r end end"
                                      : "function OnTick() PrintString('tick;') end");
    }
    std::string lines;
    for (int frame = 1; frame <= 4; ++frame) {
        long before = 0, after = 0;
        for (const GameObject* object : level) before += object->script->TotalRunCost().instructions;
        lines += printed([&] {
            ScriptFrame scripts(level);
            for (GameObject* object : level) callObjectEvent(*object, "OnTick");
        });
        for (const GameObject* object : level) after += object->script->TotalRunCost().instructions;
        // The hook counts up to a thousand past a part; the rested cost nothing.
        EXPECT_LE(after - before, frame < 4 ? kFrameInstructions + 22 * 1000 : 10) << frame;
        EXPECT_EQ(count(lines, "tick;"), static_cast<size_t>(frame)) << "the cheap one runs every frame";
    }
    EXPECT_EQ(count(lines, "OnTick was stopped by its budget 3 frames running; it is no longer called"), 21u);
    EXPECT_EQ(count(lines, "Scripting: "), 42u) << lines;
    for (GameObject* object : level) detachScript(*object);
}

TEST_F(ScriptLimitsTest, AllScriptsTogetherPrintAtMostTheirShareOfAFrameAndSayItOnce) {
    std::vector<GameObject*> chatty;
    for (int i = 0; i < 6; ++i) {
        chatty.push_back(addObject("Chatty"));
        attach(chatty.back(), "function OnUse() for i = 1, 4 do PrintString(string.rep('c', 1024)) end end");
    }
    const std::string line = "Scripting: all scripts together printed more than 16384 bytes in one frame; the rest "
                             "is cut, now and whenever they print too much again\n";
    for (int frame = 0; frame < 2; ++frame) {
        startPrintFrame();
        std::string printed;
        for (GameObject* object : chatty) printed += event(object, "OnUse");
        EXPECT_EQ(printed, std::string(16384, 'c') + (frame == 0 ? "\n" + line : std::string())) << frame;
    }
    for (GameObject* object : chatty) detachScript(*object);
}

TEST_F(ScriptLimitsTest, OnceAllScriptsAreAtTheirMemoryCapLaterObjectsAreCountedInOneLine) {
    std::vector<GameObject*> hungry;
    std::string lines;
    for (int i = 0; i < 40; ++i) {
        hungry.push_back(addObject("Hungry"));
        lines += attach(hungry.back(), "function OnCreate() end t = {} for i = 1, 4 do "
                                       "t[i] = string.rep(string.char(64 + i), 2^20) end");
    }
    lines += printed([] { reportScriptsRefused(); });
    EXPECT_EQ(count(lines, "Scripting: all scripts together are at their memory cap of 128 MiB; later objects of "
                           "this level get no script and are counted\n"), 1u) << lines;
    EXPECT_NE(lines.find(" more objects got no script, as all scripts together were at their memory cap\n"),
              std::string::npos) << lines;
    // One line for the object that met the cap, besides the loading lines of those before it.
    EXPECT_EQ(count(lines, "Scripting: object "), 1u) << lines;
    for (GameObject* object : hungry) detachScript(*object);
}

}  // namespace
