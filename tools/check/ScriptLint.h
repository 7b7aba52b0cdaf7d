#pragma once
// The level's scripts read for mistakes before anything runs them, by luacheck (Debian's
// lua-check, run as a program): every global a script uses that neither the game's script
// library nor the script itself defines (a misspelt call fails only when play reaches it), and
// every GetObjIDByName("...") literal naming no object of the level (a door that never opens).

#include <map>
#include <string>
#include <vector>

// Every global of a script's state as the game makes it: Lua's sandboxed library and the game's
// script functions as the game registers them, and the two the game sets itself.
std::vector<std::string> gameScriptGlobals();

class ScriptLint {
public:
    // scripts: the script files the level's nodes run, each once; objectNames: the names
    // GetObjIDByName finds.
    ScriptLint(const std::vector<std::string>& scripts, const std::vector<std::string>& objectNames);

    // The warnings about one of the scripts.
    std::vector<std::string> about(const std::string& script) const;
    // Why the scripts could not be read ("" when they were): luacheck is missing or failed.
    const std::string& unread() const { return problem; }

private:
    void readLuacheck(const std::string& output, const std::vector<std::string>& scripts);
    void findLookups(const std::string& script, const std::vector<std::string>& objectNames);

    std::map<std::string, std::vector<std::string>> warnings;
    std::string problem;
};
