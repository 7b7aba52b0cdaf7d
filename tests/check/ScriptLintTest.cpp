// Scripts read by luacheck and by the checker's own look for GetObjIDByName literals: each
// finding tied to its script and line, the game's own globals known, Lua's left-out ones not.
#include "ProgramRun.h"
#include "ScriptLint.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

bool has(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(ScriptLint, TheGameScriptStateIsReadFromTheGameItselfSandboxIncluded) {
    const std::vector<std::string> globals = gameScriptGlobals();
    for (const char* known : {"ShowMessage", "GetObjIDByName", "RotateObjRelative", "RevealLevel", "objID", "id",
                              "math", "string", "pairs", "tostring"})
        EXPECT_TRUE(has(globals, known)) << known;
    for (const char* absent : {"print", "dofile", "loadstring", "io", "os", "debug", "checkerGlobals"})
        EXPECT_FALSE(has(globals, absent)) << absent;
}

TEST(ScriptLint, FindingsNameTheScriptTheLineAndWhetherANameIsCalledOrRead) {
    const fs::path dir = fs::temp_directory_path() / ("velmora_lint_" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string pad = (dir / "Pad.lua").string(), broken = (dir / "Broken.lua").string();
    std::ofstream(pad) << "count = 0\n"
                          "function OnUse()\n"
                          "  ShowMesage('hi')\n"
                          "  count = count + Step\n"
                          "  GetObjIDByName ( 'Door' )\n"
                          "  GetObjIDByName(\n    \"Dor\")\n"
                          "  GetObjIDByName(\"a\\\"b\") GetObjIDByName(count)\n"
                          "  GetObjIDByName('Gone')\n"
                          "end\n";
    std::ofstream(broken) << "function OnUse(\nGetObjIDByName('Lost')\n";
    ScriptLint lint({pad, broken}, {"Door", "Lamp"});
    EXPECT_EQ(lint.unread(), "");
    const std::vector<std::string> expected = {
        pad + " line 3 calls ShowMesage, which neither the game's script library nor the script defines: in play "
              "that call stops the event with an error",
        pad + " line 4 reads Step, which neither the game's script library nor the script defines: in play it is nil",
        pad + " line 6 looks up GetObjIDByName(\"Dor\"), but no object of this level has that name: in play it finds "
              "nothing (id 0)",
        pad + " line 9 looks up GetObjIDByName(\"Gone\"), but no object of this level has that name: in play it "
              "finds nothing (id 0)",
    };
    EXPECT_EQ(lint.about(pad), expected);
    // luacheck refuses a file it cannot parse (the game reports it itself); its lookups still count.
    ASSERT_EQ(lint.about(broken).size(), 1u);
    EXPECT_NE(lint.about(broken)[0].find(" line 2 looks up GetObjIDByName(\"Lost\")"), std::string::npos);
    fs::remove_all(dir);
}

TEST(ProgramRun, ArgumentsReachTheProgramAsGivenAndAMissingProgramIsSaidSo) {
    const ProgramOutput echo = runProgram({"printf", "%s|", "a b", "'c'; rm -rf x", "$HOME"});
    EXPECT_EQ(echo.code, 0);
    EXPECT_EQ(echo.text, "a b|'c'; rm -rf x|$HOME|");
    EXPECT_EQ(runProgram({"sh", "-c", "echo out; echo err >&2; exit 3"}).text, "out\nerr\n");
    EXPECT_EQ(runProgram({"sh", "-c", "exit 3"}).code, 3);
    EXPECT_EQ(runProgram({"velmora-no-such-program"}).code, -1);
}

}  // namespace
