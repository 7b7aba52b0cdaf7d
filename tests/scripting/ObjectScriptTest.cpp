// Objects getting their scripts: the loading lines, events and their globals, and scripts that
// fail, loop or hoard memory while the game goes on.
#include "ScriptFixture.h"
#include "scripting/ObjectScript.h"

#include <string>

namespace {

using ObjectScriptTest = ScriptFixture;

const char* kEvents = "function OnCreate() end\nfunction OnTick() end\nfunction OnUse() end\n";

std::string loadingLines(int id) {
    return "ObjID inserted: " + std::to_string(id) + "\n\t...executing OnCreate script\n";
}

TEST_F(ObjectScriptTest, TheScriptKnowsItsIdAndKeepsItsGlobals) {
    const char* code =
        "function OnCreate() created = objID * 10 end\n"
        "function OnTick() PrintInt(objID) PrintString(' ') PrintInt(created) end\n";
    GameObject* first = addObject("Lamp");
    GameObject* second = addObject("Lamp");
    EXPECT_EQ(attach(first, code), loadingLines(first->id));
    EXPECT_EQ(attach(second, code), loadingLines(second->id));
    ASSERT_NE(first->script, nullptr);
    EXPECT_NE(first->script, second->script);
    EXPECT_EQ(event(first, "OnTick"), std::to_string(first->id) + " " + std::to_string(first->id * 10));
    EXPECT_EQ(event(second, "OnTick"), std::to_string(second->id) + " " + std::to_string(second->id * 10));
}

TEST_F(ObjectScriptTest, MissingFilesAreSilentAndBrokenOnesReported) {
    GameObject* object = addObject("Quiet");
    testing::internal::CaptureStdout();
    attachScript(*object, "Content/scripts/no-such-script.lua");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(object->script, nullptr);

    std::string printed = attach(object, "function OnCreate(");
    EXPECT_EQ(printed.rfind("Scripting: object " + std::to_string(object->id) + " \"Quiet\": ", 0), 0u);
    EXPECT_NE(printed.find("the object has no script\n"), std::string::npos) << printed;
    EXPECT_EQ(printed.find('\n'), printed.size() - 1);
    EXPECT_EQ(object->script, nullptr);

    printed = attach(object, std::string("\033Lua\x51", 5) + kEvents);
    EXPECT_NE(printed.find("bytecode"), std::string::npos) << printed;
    EXPECT_EQ(object->script, nullptr);
}

TEST_F(ObjectScriptTest, FailingEventsAreReportedInOneLineAndTheScriptStays) {
    GameObject* object = addObject("Door");
    std::string printed = attach(object, "function OnCreate() error('hinge\\nmissing') end");
    EXPECT_EQ(printed.substr(0, loadingLines(object->id).size()), loadingLines(object->id));
    std::string report = printed.substr(loadingLines(object->id).size());
    EXPECT_NE(report.find("\"Door\": OnCreate failed: "), std::string::npos) << report;
    EXPECT_NE(report.find("hinge missing; loading goes on\n"), std::string::npos) << report;
    EXPECT_NE(object->script, nullptr);

    printed = event(object, "OnUse");
    EXPECT_NE(printed.find("\"Door\": has no function OnUse; the game goes on\n"), std::string::npos)
        << printed;
}

TEST_F(ObjectScriptTest, AFailingTickIsReportedOnceAndStillCalled) {
    GameObject* object = addObject("Fan");
    attach(object, "ticks = 0\nfunction OnCreate() end\n"
                   "function OnTick() ticks = ticks + 1 if ticks < 4 then error('stuck') end "
                   "PrintInt(ticks) end");
    std::string first = event(object, "OnTick");
    EXPECT_NE(first.find("OnTick failed: "), std::string::npos);
    EXPECT_NE(first.find("later failures are counted, not printed\n"), std::string::npos);
    EXPECT_EQ(event(object, "OnTick"), "");
    EXPECT_EQ(event(object, "OnTick"), "");
    EXPECT_EQ(event(object, "OnTick"), "4");
    EXPECT_EQ(tickFailures(*object), 3);
}

TEST_F(ObjectScriptTest, RunawayScriptsAreStoppedAndTheGameGoesOn) {
    GameObject* looping = addObject("Looping");
    std::string printed =
        attach(looping, "function OnCreate() while true do end end\nfunction OnTick() PrintString('on') end");
    EXPECT_NE(printed.find("\"Looping\": OnCreate failed: "), std::string::npos) << printed;
    EXPECT_NE(printed.find("over its budget"), std::string::npos) << printed;

    GameObject* atLoad = addObject("LoopsAtLoad");
    printed = attach(atLoad, std::string(kEvents) + "while true do end");
    EXPECT_NE(printed.find("over its budget"), std::string::npos) << printed;
    EXPECT_EQ(atLoad->script, nullptr);

    GameObject* hoarding = addObject("Hoarding");
    attach(hoarding, "function OnCreate() end\n"
                     "function OnTick() hoard = {} while true do hoard[#hoard + 1] = {} end end");
    printed = event(hoarding, "OnTick");
    EXPECT_NE(printed.find("\"Hoarding\": OnTick failed: "), std::string::npos) << printed;
    EXPECT_NE(printed.find("memory cap"), std::string::npos) << printed;

    GameObject* next = addObject("Next");
    EXPECT_EQ(attach(next, kEvents), loadingLines(next->id));
    EXPECT_EQ(event(looping, "OnTick"), "on");
}

}  // namespace
