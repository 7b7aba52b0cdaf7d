#include "scripting/ScriptReport.h"

#include "world/GameObject.h"

#include <cstdio>

namespace {
const std::size_t kLongestText = 300;  // characters
}

std::string oneLine(const std::string& text) {
    std::string line;
    for (char c : text.substr(0, kLongestText)) line += (static_cast<unsigned char>(c) < ' ') ? ' ' : c;
    if (text.size() > kLongestText) line += "...";
    return line;
}

void reportScriptProblem(const GameObject& object, const std::string& what, const char* consequence) {
    std::string name = object.node ? oneLine(object.node->getName()) : std::string();
    std::printf("Scripting: object %i \"%s\": %s; %s\n", object.id, name.c_str(), oneLine(what).c_str(),
                consequence);
}
