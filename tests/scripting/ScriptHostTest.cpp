// The calling routine: results, its two exception texts, and the stack it leaves.
#include "ScriptFixture.h"
#include "luaplus/LuaException.h"
#include "luaplus/LuaObject.h"
#include "luaplus/LuaState.h"
#include "scripting/ScriptHost.h"

#include <string>

namespace {

struct ScriptHostTest : ScriptFixture {
    vlua::LuaState* state = nullptr;
    void load(const std::string& code) {
        state = vlua::LuaState::Create();
        ASSERT_EQ(state->DoFile(writeScript("host.lua", code).c_str()), vlua::StatusOk);
    }
    void TearDown() override {
        vlua::LuaState::Destroy(state);
        ScriptFixture::TearDown();
    }
    // The text and Lua message of the exception the call throws, "" when it throws none.
    std::string failureOf(const char* function) {
        try {
            callScriptFunction(state, function);
        } catch (const vlua::LuaException& failure) {
            return std::string(failure.what()) + "|" + failure.GetLuaMessage();
        }
        return "";
    }
};

TEST_F(ScriptHostTest, AnyResultIsFine) {
    load("function five() return 5 end\nfunction none() end\nfunction text() return 'abc' end\n"
         "function many() return -7.9, 3 end\nfunction huge() return 1e300 end");
    EXPECT_EQ(callScriptFunction(state, "five"), 5);
    EXPECT_EQ(callScriptFunction(state, "none"), 0);
    EXPECT_EQ(callScriptFunction(state, "text"), 0);
    EXPECT_EQ(callScriptFunction(state, "many"), -7);
    EXPECT_EQ(callScriptFunction(state, "huge"), 2147483647);
    EXPECT_EQ(state->GetTop(), 0);
}

TEST_F(ScriptHostTest, FailuresThrowTheirTextsAndLeaveTheStackBalanced) {
    load("notAFunction = 3\nfunction fails() error('door jammed') end\n"
         "function spins() while true do end end");
    state->GetGlobals().Push();  // something of the caller's own on the stack
    EXPECT_EQ(failureOf("OnTick"), "m_functionObj.IsFunction()|");
    EXPECT_EQ(failureOf("notAFunction"), "m_functionObj.IsFunction()|");
    EXPECT_EQ(state->GetTop(), 1);
    std::string failed = failureOf("fails");
    EXPECT_EQ(failed.rfind("0|", 0), 0u) << failed;
    EXPECT_NE(failed.find("host.lua:2: door jammed"), std::string::npos) << failed;
    EXPECT_EQ(state->GetTop(), 1);
    EXPECT_NE(failureOf("spins").find("over its budget"), std::string::npos);
    EXPECT_EQ(state->GetTop(), 1);
}

TEST_F(ScriptHostTest, EventsAreLookedUpAtEveryCall) {
    load("calls = 0\n"
         "function OnTick() calls = calls + 1 OnTick = function() calls = calls + 100 end end");
    callScriptFunction(state, "OnTick");
    callScriptFunction(state, "OnTick");
    callScriptFunction(state, "OnTick");
    EXPECT_EQ(state->GetGlobal("calls").GetInteger(), 201);
}

}  // namespace
