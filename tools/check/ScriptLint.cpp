#include "ScriptLint.h"

#include "ProgramRun.h"

#include "level/ConsoleText.h"
#include "level/ContentFile.h"
#include "luaplus/LuaObject.h"
#include "luaplus/LuaState.h"
#include "scripting/ScriptFunctions.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

// The game sets "objID" in every script's state before it runs, and GetObjIDByName answers in "id".
const char* const SET_BY_THE_GAME[] = {"objID", "id"};
const std::uintmax_t MAX_SCRIPT_BYTES = std::uintmax_t(1) << 20;

// Lists a state's globals from inside it: the sandbox lets a script walk _G.
const char* const LIST_GLOBALS =
    "local names = {}\n"
    "for name in pairs(_G) do if type(name) == 'string' then names[#names + 1] = name end end\n"
    "checkerGlobals = table.concat(names, ' ')\n";

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string word; in >> word;) out.push_back(word);
    return out;
}

// The source's line `number` (from 1), or "".
std::string lineOf(const std::string& text, int number) {
    std::istringstream in(text);
    std::string line;
    for (int i = 0; i < number && std::getline(in, line); ++i) {}
    return line;
}

}  // namespace

std::vector<std::string> gameScriptGlobals() {
    std::vector<std::string> names(std::begin(SET_BY_THE_GAME), std::end(SET_BY_THE_GAME));
    char path[] = "/tmp/velmora_check_globals_XXXXXX";
    const int descriptor = mkstemp(path);
    if (descriptor < 0) return names;
    const bool written = write(descriptor, LIST_GLOBALS, std::char_traits<char>::length(LIST_GLOBALS)) > 0;
    close(descriptor);
    vlua::LuaState* state = vlua::LuaState::Create();
    if (state && written) {
        registerScriptLibrary(state);
        if (state->DoFile(path) == vlua::StatusOk) {
            state->GetGlobal("checkerGlobals").Push();
            if (const char* list = state->ToString(-1))
                for (const std::string& name : words(list))
                    if (name != "checkerGlobals") names.push_back(name);
        }
    }
    if (state) vlua::LuaState::Destroy(state);
    std::remove(path);
    return names;
}

ScriptLint::ScriptLint(const std::vector<std::string>& scripts, const std::vector<std::string>& objectNames) {
    if (scripts.empty()) return;
    std::vector<std::string> command = {"luacheck", "--no-config", "--formatter", "plain", "--codes", "--no-color",
                                        "--std", "none", "--allow-defined", "--only", "113", "--read-globals"};
    for (const std::string& name : gameScriptGlobals()) command.push_back(name);
    command.push_back("--");
    command.insert(command.end(), scripts.begin(), scripts.end());
    const ProgramOutput run = runProgram(command);
    // luacheck: 0 nothing found, 1 warnings, 2 errors in a file (the game reports those itself).
    if (run.code < 0 || run.code > 2)
        problem = run.code < 0 ? "luacheck (Debian package lua-check) cannot be run"
                               : "luacheck failed (" + oneLine(run.text.substr(0, run.text.find('\n')), 200) + ")";
    else
        readLuacheck(run.text, scripts);
    for (const std::string& script : scripts) findLookups(script, objectNames);
}

// Lines such as: Content/scripts/Pad.lua:3:5: (W113) accessing undefined variable 'ShowMesage'
void ScriptLint::readLuacheck(const std::string& output, const std::vector<std::string>& scripts) {
    const std::string marker = ": (W113) accessing undefined variable '";
    std::map<std::string, std::string> texts;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        const size_t at = line.find(marker);
        if (at == std::string::npos || at == 0 || line.back() != '\'') continue;
        const size_t column = line.rfind(':', at - 1);
        const size_t row = column == std::string::npos || column == 0 ? std::string::npos : line.rfind(':', column - 1);
        if (row == std::string::npos) continue;
        const std::string script = line.substr(0, row);
        const std::string name = line.substr(at + marker.size(), line.size() - at - marker.size() - 1);
        if (std::find(scripts.begin(), scripts.end(), script) == scripts.end()) continue;
        if (!texts.count(script)) texts[script] = readContentFile(script.c_str(), MAX_SCRIPT_BYTES).text;
        const int number = std::atoi(line.c_str() + row + 1);
        const size_t after = size_t(std::max(1, std::atoi(line.c_str() + column + 1))) - 1 + name.size();
        const std::string source = lineOf(texts[script], number);
        const size_t next = source.find_first_not_of(" \t", std::min(after, source.size()));
        const bool called = next != std::string::npos && std::string("(\"'{[").find(source[next]) != std::string::npos;
        warnings[script].push_back(
            script + " line " + std::to_string(number) + (called ? " calls " : " reads ") + oneLine(name, 64) +
            ", which neither the game's script library nor the script defines: " +
            (called ? "in play that call stops the event with an error" : "in play it is nil"));
    }
}

// The name in a literal call GetObjIDByName("name") or ('name') starting at `at`, if it is one.
static bool literalLookup(const std::string& text, size_t at, std::string* name) {
    size_t i = text.find_first_not_of(" \t\r\n", at);
    if (i == std::string::npos || text[i] != '(') return false;
    i = text.find_first_not_of(" \t\r\n", i + 1);
    if (i == std::string::npos || (text[i] != '"' && text[i] != '\'')) return false;
    const size_t end = text.find_first_of(std::string(1, text[i]) + "\\\n", i + 1);
    if (end == std::string::npos || text[end] != text[i]) return false;
    const size_t close = text.find_first_not_of(" \t\r\n", end + 1);
    if (close == std::string::npos || text[close] != ')') return false;
    *name = text.substr(i + 1, end - i - 1);
    return true;
}

void ScriptLint::findLookups(const std::string& script, const std::vector<std::string>& objectNames) {
    const std::string call = "GetObjIDByName";
    const std::string text = readContentFile(script.c_str(), MAX_SCRIPT_BYTES).text;
    int number = 1;
    size_t counted = 0;
    for (size_t at = text.find(call); at != std::string::npos; at = text.find(call, at + call.size())) {
        std::string name;
        if (!literalLookup(text, at + call.size(), &name)) continue;
        if (std::find(objectNames.begin(), objectNames.end(), name) != objectNames.end()) continue;
        number += int(std::count(text.begin() + long(counted), text.begin() + long(at), '\n'));
        counted = at;
        warnings[script].push_back(script + " line " + std::to_string(number) + " looks up GetObjIDByName(\"" +
                                   oneLine(name, 64) + "\"), but no object of this level has that name: "
                                   "in play it finds nothing (id 0)");
    }
}

std::vector<std::string> ScriptLint::about(const std::string& script) const {
    auto found = warnings.find(script);
    return found == warnings.end() ? std::vector<std::string>() : found->second;
}
