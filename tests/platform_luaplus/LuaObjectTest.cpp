// Values held by the game, table fields written back, native functions and their arguments.
#include "LuaFixture.h"
#include "luaplus/LuaException.h"
#include "luaplus/LuaStackObject.h"

#include <string>

using namespace vlua;

namespace {

using LuaObjectTest = LuaFixture;

// What the native function below saw of its first argument.
std::string seen;

int describe(LuaState* state) {
    LuaStackObject arg(state, 1);
    seen = std::string(arg.IsString() ? "S" : "") + (arg.IsNumber() ? "N" : "") +
           (arg.IsInteger() ? "I" : "") + (arg.IsTable() ? "T" : "");
    if (arg.IsInteger()) seen += "=" + std::to_string(arg.GetInteger());
    return 0;
}

TEST_F(LuaObjectTest, TypeTestsAreStrict) {
    state->GetGlobals().Register("Describe", describe);
    const std::pair<const char*, const char*> cases[] = {
        {"Describe('7')", "S"},        {"Describe(7)", "NI=7"},   {"Describe(-0)", "NI=0"},
        {"Describe(7.5)", "N"},        {"Describe(2^31)", "N"},   {"Describe(-2^31)", "NI=-2147483648"},
        {"Describe(0/0)", "N"},        {"Describe(1/0)", "N"},    {"Describe({})", "T"},
        {"Describe()", ""},            {"Describe(nil)", ""},     {"Describe(true)", ""},
    };
    for (const auto& [code, expected] : cases) {
        seen = "?";
        EXPECT_EQ(run(code), StatusOk) << code;
        EXPECT_EQ(seen, expected) << code;
    }
}

int fillTable(LuaState* state) {
    LuaObject table(LuaStackObject(state, 1));
    table["x"].AssignNumber(1.5);
    table["y"].AssignNumber(-2);
    return 0;
}

TEST_F(LuaObjectTest, AssignNumberWritesIntoTheTableAndKeepsOtherFields) {
    state->GetGlobals().Register("Fill", fillTable);
    ASSERT_EQ(run("t = {w = 'kept', x = 'old'}\nFill(t)\nok = (t.x == 1.5 and t.y == -2 and "
                  "t.w == 'kept' and t.z == nil) and 1 or 0"),
              StatusOk);
    EXPECT_EQ(state->GetGlobal("ok").GetInteger(), 1);

    LuaObject table = state->GetGlobal("t");
    LuaObject x = table["x"];
    x.AssignNumber(9);
    EXPECT_DOUBLE_EQ(x.GetNumber(), 9);
    EXPECT_DOUBLE_EQ(state->GetGlobal("t")["x"].GetNumber(), 9);
}

TEST_F(LuaObjectTest, GameSideAccessIsRawAndIgnoresMetatables) {
    ASSERT_EQ(run("setmetatable(_G, {__newindex = function() error('no') end,\n"
                  "                   __index = function() return 5 end})"),
              StatusOk);
    LuaObject globals = state->GetGlobals();
    globals.SetInteger("objID", 3);
    EXPECT_EQ(globals["objID"].GetInteger(), 3);
    EXPECT_EQ(globals["missing"].GetInteger(), 0);
    EXPECT_EQ(run("rawset(_G, 'seen', rawget(_G, 'objID'))"), StatusOk);
    EXPECT_EQ(globals["seen"].GetInteger(), 3);
}

TEST_F(LuaObjectTest, NumbersOutOfIntRangeAreClamped) {
    run("big = 1e300\nsmall = -1e300\nodd = 0/0\nfrac = -7.9");
    EXPECT_EQ(state->GetGlobal("big").GetInteger(), 2147483647);
    EXPECT_EQ(state->GetGlobal("small").GetInteger(), -2147483647 - 1);
    EXPECT_EQ(state->GetGlobal("odd").GetInteger(), 0);
    EXPECT_EQ(state->GetGlobal("frac").GetInteger(), -7);
}

int throwing(LuaState*) { throw LuaException("game side failed"); }

TEST_F(LuaObjectTest, ExceptionsInNativeFunctionsBecomeScriptErrors) {
    state->GetGlobals().Register("Throw", throwing);
    ASSERT_EQ(run("ok, message = pcall(Throw)\nafter = 1"), StatusOk);
    EXPECT_EQ(state->GetGlobal("after").GetInteger(), 1);
    run("found = string.sub(message, -16) == 'game side failed' and 1 or 0");
    EXPECT_EQ(state->GetGlobal("found").GetInteger(), 1);
}

}  // namespace
