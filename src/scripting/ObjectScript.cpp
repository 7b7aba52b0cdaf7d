#include "scripting/ObjectScript.h"

#include "luaplus/LuaException.h"
#include "luaplus/LuaObject.h"
#include "luaplus/LuaState.h"
#include "scripting/PrintBudget.h"
#include "scripting/ScriptFrame.h"
#include "scripting/ScriptFunctions.h"
#include "scripting/ScriptHost.h"
#include "scripting/ScriptMemoryFull.h"
#include "scripting/ScriptReport.h"
#include "world/GameObject.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>

std::string scriptPathFor(const char* nodeName) {
    const char* stem = (nodeName[0] == '1' || nodeName[0] == '2' || nodeName[0] == '3') ? nodeName + 1 : nodeName;
    return std::string("Content/scripts/") + stem + ".lua";
}

namespace {

// An event called over and over (OnTick, the trigger events) that is stopped by its budget this
// many calls running is not called any more.
const int kStoppedCallsBeforeRest = 3;

struct RepeatRecord {
    int failures = 0;
    int budgetStopsInRow = 0;
    bool resting = false;  // no longer called
};

using RepeatKey = std::pair<const vlua::LuaState*, std::string>;
std::map<RepeatKey, RepeatRecord> repeatRecords;

// Counts how a repeated event ended; true when the failure is to be reported.
bool countRepeat(const GameObject& object, const char* event, bool failed) {
    RepeatRecord& record = repeatRecords[{object.script, event}];
    if (!failed) {
        record.budgetStopsInRow = 0;
        return false;
    }
    record.budgetStopsInRow = object.script->StoppedByBudget() ? record.budgetStopsInRow + 1 : 0;
    if (record.budgetStopsInRow >= kStoppedCallsBeforeRest) {
        record.resting = true;
        const bool tick = std::strcmp(event, "OnTick") == 0;
        reportScriptProblem(object,
                            std::string(event) + " was stopped by its budget " +
                                std::to_string(kStoppedCallsBeforeRest) + (tick ? " frames running" : " calls running"),
                            tick ? "it is no longer called; OnUse still is" : "it is no longer called");
    }
    return ++record.failures == 1;
}

// Every record about the state goes with it.
void closeState(vlua::LuaState* state) {
    for (auto it = repeatRecords.begin(); it != repeatRecords.end();)
        it = it->first.first == state ? repeatRecords.erase(it) : std::next(it);
    forgetPrintBudget(state);
    forgetFrameShare(state);
    vlua::LuaState::Destroy(state);
}

// Runs the file in a new state; the state, or none after reporting why.
vlua::LuaState* loadScript(const GameObject& object, const char* path) {
    vlua::LuaState* state = vlua::LuaState::Create();
    if (!state) {
        reportScriptProblem(object, "Lua could not make a state", "the object has no script");
        return nullptr;
    }
    try {
        registerScriptLibrary(state);
        int status = state->DoFile(path);
        if (status == vlua::StatusOk) return state;
        if (state->MetAllStatesCap()) noteAllScriptsFull();
        // Most objects have no script file; only a file that is there and fails is news.
        std::error_code error;
        if (status != vlua::StatusFileError || std::filesystem::exists(path, error)) {
            const char* message = state->ToString(-1);
            reportScriptProblem(object, std::string(path) + " did not run: " + (message ? message : ""),
                                "the object has no script");
        }
    } catch (const vlua::LuaException& failure) {
        reportScriptProblem(object, std::string(path) + " did not run: " + failure.GetLuaMessage(),
                            "the object has no script");
    }
    closeState(state);
    return nullptr;
}

const char* consequenceOf(const char* event, bool repeated) {
    if (std::strcmp(event, "OnTick") == 0)
        return "it is called again next frame; later failures are counted, not printed";
    if (repeated) return "it is called again next time; later failures are counted, not printed";
    if (std::strcmp(event, "OnCreate") == 0) return "loading goes on";
    return "the game goes on";
}

}  // namespace

void attachScript(GameObject& object, const char* path) {
    if (refusedForMemory()) return;
    // Loading is no frame: each object's file and OnCreate may print what one frame's may.
    startPrintFrame();
    vlua::LuaState* state = loadScript(object, path);
    if (!state) return;
    try {
        vlua::LuaObject globals = state->GetGlobals();
        globals.SetInteger("objID", object.id);
        std::printf("ObjID inserted: %i\n", globals["objID"].GetInteger());
    } catch (const vlua::LuaException& failure) {
        reportScriptProblem(object, "objID could not be set: " + failure.GetLuaMessage(),
                            "the object has no script");
        closeState(state);
        return;
    }
    object.script = state;
    std::printf("\t...executing OnCreate script\n");
    callObjectEvent(object, "OnCreate");
    if (object.script->MetAllStatesCap()) noteAllScriptsFull();
}

namespace {

// Calls the event; `repeated` events follow OnTick's rules of counting and resting.
void runEvent(GameObject& object, const char* event, std::optional<int> argument, bool repeated) {
    if (repeated && repeatRecords[{object.script, event}].resting) return;
    try {
        {
            FrameShare share(object);
            callScriptFunction(object.script, event, argument);
        }
        if (repeated) countRepeat(object, event, false);
    } catch (const vlua::LuaException& failure) {
        if (repeated && !countRepeat(object, event, true)) return;
        bool missing = std::strcmp(failure.what(), "m_functionObj.IsFunction()") == 0;
        std::string what = missing ? std::string("has no function ") + event
                                   : std::string(event) + " failed: " + failure.GetLuaMessage();
        reportScriptProblem(object, what, consequenceOf(event, repeated));
    }
}

}  // namespace

void callObjectEvent(GameObject& object, const char* event) {
    if (!object.script) return;
    runEvent(object, event, std::nullopt, std::strcmp(event, "OnTick") == 0);
}

void callOptionalEvent(GameObject& object, const char* event, std::optional<int> argument) {
    if (!object.script) return;
    try {
        if (!object.script->GetGlobal(event).IsFunction()) return;
    } catch (const vlua::LuaException&) {
        return;  // Lua could not even look: as good as absent
    }
    runEvent(object, event, argument, true);
}

void detachScript(GameObject& object) {
    if (!object.script) return;
    closeState(object.script);
    object.script = nullptr;
}

bool tickResting(const GameObject& object) {
    auto found = repeatRecords.find({object.script, "OnTick"});
    return found != repeatRecords.end() && found->second.resting;
}

int tickFailures(const GameObject& object) {
    auto found = repeatRecords.find({object.script, "OnTick"});
    return found == repeatRecords.end() ? 0 : found->second.failures;
}
