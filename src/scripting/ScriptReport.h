#pragma once
// The one-line console reports of script trouble: "Scripting: object <id> "<name>": <what>;
// <what the game does instead>". Lua's messages and node names come from level data, so they
// are flattened to one line and cut to a sane length.

#include <string>

struct GameObject;

void reportScriptProblem(const GameObject& object, const std::string& what, const char* consequence);

// Text from a script or a level, fit for one console line.
std::string oneLine(const std::string& text);
