// Objects getting their scripts and the game calling their events: globals, results, the two
// exception texts, and scripts that fail or loop while the game goes on.
#include "ScriptFixture.h"
#include "luaplus/LuaException.h"
#include "luaplus/LuaObject.h"
#include "luaplus/LuaState.h"
#include "scripting/ScriptHost.h"

#include <string>

namespace {

using ObjectScriptTest = ScriptFixture;

std::string loadingLines(int id) {
    return "ObjID inserted: " + std::to_string(id) + "\n\t...executing OnCreate script\n";
}

// The text and Lua message of the exception the call throws, "" when it throws none.
std::string failureOf(vlua::LuaState* state, const char* function) {
    try {
        callScriptFunction(state, function);
    } catch (const vlua::LuaException& failure) {
        return std::string(failure.what()) + "|" + failure.GetLuaMessage();
    }
    return "";
}

TEST_F(ObjectScriptTest, CallsKeepGlobalsLookUpEventsAnewAndLeaveTheStackAsItWas) {
    GameObject* lamp = addObject("Lamp");
    EXPECT_EQ(attach(lamp, "function OnCreate() created = objID * 10 end\nfunction OnTick() "
                           "PrintInt(created) OnTick = function() PrintString('new') end end\n"
                           "function five() return 5 end\nfunction text() return 'abc' end\n"
                           "function many() return -7.9, 3 end\nfunction huge() return 1e300 end\n"
                           "function fails() error('door jammed') end"),
              loadingLines(lamp->id));
    EXPECT_EQ(event(lamp, "OnTick"), std::to_string(lamp->id * 10));
    EXPECT_EQ(event(lamp, "OnTick"), "new");

    vlua::LuaState* state = lamp->script;
    state->GetGlobals().Push();  // something of the caller's own on the stack
    EXPECT_EQ(callScriptFunction(state, "five"), 5);
    EXPECT_EQ(callScriptFunction(state, "OnCreate"), 0);
    EXPECT_EQ(callScriptFunction(state, "text"), 0);
    EXPECT_EQ(callScriptFunction(state, "many"), -7);
    EXPECT_EQ(callScriptFunction(state, "huge"), 2147483647);
    EXPECT_EQ(failureOf(state, "OnUse"), "m_functionObj.IsFunction()|");
    std::string failed = failureOf(state, "fails");
    EXPECT_EQ(failed.rfind("0|", 0), 0u) << failed;
    EXPECT_NE(failed.find(".lua:7: door jammed"), std::string::npos) << failed;
    EXPECT_EQ(state->GetTop(), 1);
}

TEST_F(ObjectScriptTest, MissingFilesAreSilentAndBrokenOnesReportedInOneLine) {
    GameObject* object = addObject("Quiet");
    EXPECT_EQ(printed([&] { attachScript(*object, "Content/scripts/no-such-script.lua"); }), "");

    std::string report = attach(object, "function OnCreate(");
    EXPECT_EQ(report.rfind("Scripting: object " + std::to_string(object->id) + " \"Quiet\": ", 0), 0u);
    EXPECT_NE(report.find("the object has no script\n"), std::string::npos) << report;
    EXPECT_EQ(report.find('\n'), report.size() - 1);
    EXPECT_EQ(object->script, nullptr);
}

TEST_F(ObjectScriptTest, FailingAndEndlessEventsAreReportedInOneLineAndTheScriptStays) {
    GameObject* door = addObject("Door");
    std::string report = attach(door, "function OnCreate() while true do end end");
    EXPECT_EQ(report.rfind(loadingLines(door->id), 0), 0u) << report;
    EXPECT_NE(report.find("\"Door\": OnCreate failed: "), std::string::npos) << report;
    EXPECT_NE(report.find("over its budget"), std::string::npos) << report;
    EXPECT_NE(report.find("; loading goes on\n"), std::string::npos) << report;
    EXPECT_NE(event(door, "OnUse").find("\"Door\": has no function OnUse; the game goes on\n"),
              std::string::npos);

    GameObject* fan = addObject("Fan");
    attach(fan, "ticks = 0\nfunction OnTick() ticks = ticks + 1\n"
                "if ticks == 1 then error('stuck\\nfast') end while ticks < 4 do end PrintInt(ticks) end");
    report = event(fan, "OnTick");
    EXPECT_NE(report.find("\"Fan\": OnTick failed: "), std::string::npos) << report;
    EXPECT_NE(report.find("stuck\\x0afast; it is called again next frame; later failures are counted, "
                          "not printed\n"),
              std::string::npos)
        << report;
    EXPECT_EQ(event(fan, "OnTick"), "");
    EXPECT_EQ(event(fan, "OnTick"), "");
    EXPECT_EQ(event(fan, "OnTick"), "4");
    EXPECT_EQ(tickFailures(*fan), 3);
}

TEST_F(ObjectScriptTest, AnOnTickStoppedThreeFramesRunningRestsWhileOnUseStillRuns) {
    GameObject* pump = addObject("Pump");
    attach(pump, "ticks = 0\nfunction OnTick() ticks = ticks + 1 while true do end end\n"
                 "function OnUse() PrintInt(ticks) end");
    EXPECT_NE(event(pump, "OnTick").find("\"Pump\": OnTick failed: "), std::string::npos);
    EXPECT_EQ(event(pump, "OnTick"), "");
    EXPECT_EQ(event(pump, "OnTick"), "Scripting: object " + std::to_string(pump->id) +
                                         " \"Pump\": OnTick was stopped by its budget 3 frames running; "
                                         "it is no longer called; OnUse still is\n");
    EXPECT_EQ(event(pump, "OnTick"), "");
    EXPECT_EQ(event(pump, "OnUse"), "3");
    EXPECT_EQ(tickFailures(*pump), 3);

    // Detached and given a new script, the object is ticked again.
    detachScript(*pump);
    EXPECT_EQ(pump->script, nullptr);
    attach(pump, "function OnTick() PrintString('tick') end");
    EXPECT_EQ(event(pump, "OnTick"), "tick");
    EXPECT_EQ(tickFailures(*pump), 0);
}

}  // namespace

TEST_F(ObjectScriptTest, TriggerFunctionsAreOptionalTakeTheIdAndRestAloneWhenStoppedThreeTimes) {
    GameObject* zone = addObject("2Zone");
    attach(zone, "n = 0\nfunction OnObjectEnter(id) PrintInt(id) end\n"
                 "function OnPlayerEnter() n = n + 1 while true do end end\nfunction OnTick() PrintInt(n) end");
    auto trigger = [&](const char* name, std::optional<int> id = std::nullopt) {
        return printed([&] { callOptionalEvent(*zone, name, id); });
    };
    EXPECT_EQ(trigger("OnPlayerLeave") + trigger("OnObjectEnter", 7), "7");  // one not defined: no error
    EXPECT_NE(trigger("OnPlayerEnter").find("\"2Zone\": OnPlayerEnter failed: "), std::string::npos);
    EXPECT_EQ(trigger("OnPlayerEnter"), "");
    EXPECT_NE(trigger("OnPlayerEnter").find("budget 3 calls running; it is no longer called\n"), std::string::npos);
    EXPECT_EQ(trigger("OnPlayerEnter") + event(zone, "OnTick"), "3") << "OnTick goes on";
}
