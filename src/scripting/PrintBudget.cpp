#include "scripting/PrintBudget.h"

#include "scripting/ScriptReport.h"
#include "world/GameWorld.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>

namespace {

struct PrintRecord {
    std::size_t printedThisFrame = 0;
    bool midLine = false;  // the last byte printed was no newline
    bool cutReported = false;
};

std::map<const vlua::LuaState*, PrintRecord> records;

void reportCut(const vlua::LuaState* state, PrintRecord& record) {
    record.cutReported = true;
    if (record.midLine) std::putchar('\n');
    record.midLine = false;
    for (const GameObject* object : GameWorld::instance().objects)
        if (object->script == state)
            reportScriptProblem(*object,
                                "printed more than " + std::to_string(kMostPrintedPerCall) +
                                    " bytes in one call or " + std::to_string(kMostPrintedPerFrame) +
                                    " in one frame",
                                "the rest is cut, now and whenever it prints too much again");
}

}  // namespace

void printWithinBudget(vlua::LuaState* state, const char* text) {
    PrintRecord& record = records[state];
    std::size_t length = std::strlen(text);
    std::size_t allowed = std::min(kMostPrintedPerCall,
                                   kMostPrintedPerFrame - std::min(record.printedThisFrame, kMostPrintedPerFrame));
    std::size_t shown = std::min(length, allowed);
    if (shown > 0) {
        std::fwrite(text, 1, shown, stdout);
        record.printedThisFrame += shown;
        record.midLine = text[shown - 1] != '\n';
    }
    if (shown < length && !record.cutReported) reportCut(state, record);
}

void startPrintFrame(const vlua::LuaState* state) {
    auto found = records.find(state);
    if (found != records.end()) found->second.printedThisFrame = 0;
}

void forgetPrintBudget(const vlua::LuaState* state) { records.erase(state); }
