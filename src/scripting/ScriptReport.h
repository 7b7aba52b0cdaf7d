#pragma once
// The one-line console reports of script trouble: "Scripting: object <id> "<name>": <what>;
// <what the game does instead>". Lua's messages and node names come from level data, so they
// go through oneLine (level/ConsoleText.h).

#include <string>

struct GameObject;

void reportScriptProblem(const GameObject& object, const std::string& what, const char* consequence);
