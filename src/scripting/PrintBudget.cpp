#include "scripting/PrintBudget.h"

#include "level/ConsoleText.h"
#include "scripting/ScriptReport.h"
#include "world/GameWorld.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>

namespace {

struct PrintRecord {
    std::size_t printedThisFrame = 0;
    bool cutReported = false;
};

std::map<const vlua::LuaState*, PrintRecord> records;
std::size_t printedByAllThisFrame = 0;
bool allCutReported = false;
bool midLine = false;  // the last byte scripts printed was no newline

void endLine() {
    if (midLine) std::putchar('\n');
    midLine = false;
}

void reportCut(const vlua::LuaState* state, PrintRecord& record) {
    record.cutReported = true;
    endLine();
    for (const GameObject* object : GameWorld::instance().objects)
        if (object->script == state)
            reportScriptProblem(*object,
                                "printed more than " + std::to_string(kMostPrintedPerCall) +
                                    " bytes in one call or " + std::to_string(kMostPrintedPerFrame) +
                                    " in one frame",
                                "the rest is cut, now and whenever it prints too much again");
}

void reportCutOfAll() {
    allCutReported = true;
    endLine();
    std::printf("Scripting: all scripts together printed more than %zu bytes in one frame; the rest is cut, "
                "now and whenever they print too much again\n",
                kMostPrintedByAllPerFrame);
}

// The text with its lines kept and every other control byte escaped as names are: a script
// may print lines, never move the cursor, clear the screen or retitle the terminal.
std::string escaped(std::string_view text) {
    std::string shown;
    for (std::size_t at = 0; at <= text.size();) {
        std::size_t end = std::min(text.find('\n', at), text.size());
        shown += oneLine(text.substr(at, end - at), std::string_view::npos);
        if (end < text.size()) shown += '\n';
        at = end + 1;
    }
    return shown;
}

std::size_t left(std::size_t budget, std::size_t spent) { return budget - std::min(spent, budget); }

}  // namespace

void printWithinBudget(vlua::LuaState* state, const char* raw) {
    PrintRecord& record = records[state];
    const std::string shownText = escaped(raw);
    const char* text = shownText.c_str();
    std::size_t length = shownText.size();
    std::size_t ownAllowance = std::min(kMostPrintedPerCall, left(kMostPrintedPerFrame, record.printedThisFrame));
    std::size_t allAllowance = left(kMostPrintedByAllPerFrame, printedByAllThisFrame);
    std::size_t shown = std::min({length, ownAllowance, allAllowance});
    if (shown > 0) {
        std::fwrite(text, 1, shown, stdout);
        record.printedThisFrame += shown;
        printedByAllThisFrame += shown;
        midLine = text[shown - 1] != '\n';
    }
    if (shown == length) return;
    if (shown < ownAllowance) {
        if (!allCutReported) reportCutOfAll();
    } else if (!record.cutReported) {
        reportCut(state, record);
    }
}

void startPrintFrame() {
    for (auto& entry : records) entry.second.printedThisFrame = 0;
    printedByAllThisFrame = 0;
}

void forgetPrintBudget(const vlua::LuaState* state) { records.erase(state); }
