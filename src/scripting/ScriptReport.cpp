#include "scripting/ScriptReport.h"

#include "level/ConsoleText.h"
#include "world/GameObject.h"

#include <cstdio>

void reportScriptProblem(const GameObject& object, const std::string& what, const char* consequence) {
    std::string name = object.node ? shownName(object.node->getName()) : std::string();
    std::printf("Scripting: object %i \"%s\": %s; %s\n", object.id, name.c_str(), oneLine(what).c_str(),
                consequence);
}
