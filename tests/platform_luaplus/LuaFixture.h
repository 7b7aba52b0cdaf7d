#pragma once
// A fresh sandboxed state and a fresh directory for the script files a test writes, both gone
// afterwards.
#include "luaplus/LuaObject.h"
#include "luaplus/LuaState.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class LuaFixture : public ::testing::Test {
protected:
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("velmora-lua-" + std::to_string(getpid()));
    vlua::LuaState* state = vlua::LuaState::Create();

    LuaFixture() { std::filesystem::create_directories(dir); }
    ~LuaFixture() override {
        vlua::LuaState::Destroy(state);
        std::filesystem::remove_all(dir);
    }

    // Writes a file and returns its path.
    std::string write(const std::string& name, const std::string& text) {
        std::ofstream((dir / name), std::ios::binary) << text;
        return (dir / name).string();
    }
    int run(const std::string& code) { return state->DoFile(write("s.lua", code).c_str()); }
    // Calls a global function with a fresh stack.
    int call(const char* name) {
        state->SetTop(0);
        state->GetGlobal(name).Push();
        return state->PCall(0, 0, 0);
    }
    // The text on the stack top, "" when it is none.
    std::string message() {
        const char* text = state->ToString(-1);
        return text ? text : "";
    }
};
