// Running files and calling functions: results, failures and the stack left behind.
#include "LuaFixture.h"

#include <string>
#include <vector>

using namespace vlua;

namespace {

using LuaStateTest = LuaFixture;

TEST_F(LuaStateTest, FileRunsAndItsGlobalsStay) {
    ASSERT_NE(state, nullptr);
    std::string path = write("ok.lua", "count = 6 * 7\nfunction twice(n) return 2 * n end\n");
    EXPECT_EQ(state->DoFile(path.c_str()), StatusOk);
    EXPECT_EQ(state->GetTop(), 0);
    EXPECT_EQ(state->GetGlobal("count").GetInteger(), 42);
    EXPECT_TRUE(state->GetGlobal("twice").IsFunction());
    EXPECT_FALSE(state->GetGlobal("count").IsFunction());
    EXPECT_FALSE(state->GetGlobal("nothing").IsFunction());
}

TEST_F(LuaStateTest, FailedFilesSayWhyOnTheStack) {
    EXPECT_EQ(state->DoFile((dir / "missing.lua").string().c_str()), StatusFileError);
    EXPECT_NE(message().find("cannot open"), std::string::npos);

    std::string syntax = write("syntax.lua", "function broken(\n");
    EXPECT_EQ(state->DoFile(syntax.c_str()), StatusSyntaxError);
    EXPECT_NE(message().find("syntax.lua"), std::string::npos);

    std::string failing = write("fails.lua", "local t = nil\nt.x = 1\n");
    EXPECT_EQ(state->DoFile(failing.c_str()), StatusRuntimeError);
    EXPECT_NE(message().find("fails.lua:2:"), std::string::npos);
}

TEST_F(LuaStateTest, BytecodeIsRefusedBeforeLuaSeesIt) {
    // The header of a Lua 5.1 chunk followed by junk: Lua itself would try to undump it.
    std::string path = write("compiled.lua", std::string("\033Lua\x51\x00\x01\x04\x08", 9) +
                                                     std::string(64, '\xff'));
    EXPECT_EQ(state->DoFile(path.c_str()), StatusRefused);
    EXPECT_NE(message().find("bytecode"), std::string::npos);
}

TEST_F(LuaStateTest, PCallResultsGiveTextOnlyFromNumbersAndStrings) {
    ASSERT_EQ(run("function f() return 2.5 end\nfunction g() error({}) end"), StatusOk);
    state->GetGlobal("f").Push();
    ASSERT_EQ(state->PCall(0, 1, 0), StatusOk);
    EXPECT_DOUBLE_EQ(state->ToNumber(-1), 2.5);
    EXPECT_STREQ(state->ToString(-1), "2.5");
    state->GetGlobal("g").Push();
    ASSERT_EQ(state->PCall(0, 1, 0), StatusRuntimeError);
    EXPECT_EQ(state->ToString(-1), nullptr);
}

TEST_F(LuaStateTest, AllStatesTogetherHaveAMemoryCap) {
    // 20 MiB each: the per-state cap of 32 MiB lets every one keep it, the cap of all together
    // stops the seventh at the latest.
    std::string hoard = write("hoard.lua", "local s = string.rep('x', 2^20 - 1)\n"
                                            "keep = {} for i = 1, 20 do keep[i] = s .. i end");
    std::vector<LuaState*> hoarders;
    int status = StatusOk;
    while (status == StatusOk && hoarders.size() < 10) {
        hoarders.push_back(LuaState::Create());
        status = hoarders.back()->DoFile(hoard.c_str());
    }
    EXPECT_EQ(status, StatusMemoryError);
    EXPECT_GE(hoarders.size(), 5u);
    EXPECT_LE(hoarders.size(), 7u);
    const char* text = hoarders.back()->ToString(-1);
    EXPECT_NE(std::string(text ? text : "").find("all scripts together are over their memory cap of 128 MiB"),
              std::string::npos);

    // What a closed state held is free for the others again.
    LuaState::Destroy(hoarders.front());
    EXPECT_EQ(hoarders.back()->DoFile(hoard.c_str()), StatusOk);
    for (size_t i = 1; i < hoarders.size(); ++i) LuaState::Destroy(hoarders[i]);
}

}  // namespace
