#include "scripting/ObjectScript.h"

#include "luaplus/LuaException.h"
#include "luaplus/LuaObject.h"
#include "luaplus/LuaState.h"
#include "scripting/PrintBudget.h"
#include "scripting/ScriptFunctions.h"
#include "scripting/ScriptHost.h"
#include "scripting/ScriptMemoryFull.h"
#include "scripting/ScriptReport.h"
#include "world/GameObject.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

namespace {

// An OnTick stopped by its budget this many frames running is not called any more.
const int kStoppedTicksBeforeRest = 3;

struct TickRecord {
    int failures = 0;
    int budgetStopsInRow = 0;
    bool resting = false;  // no longer ticked
};

std::map<const vlua::LuaState*, TickRecord> tickRecords;

// Counts how the object's OnTick ended; true when the failure is to be reported.
bool countTick(const GameObject& object, bool failed) {
    TickRecord& record = tickRecords[object.script];
    if (!failed) {
        record.budgetStopsInRow = 0;
        return false;
    }
    record.budgetStopsInRow = object.script->StoppedByBudget() ? record.budgetStopsInRow + 1 : 0;
    if (record.budgetStopsInRow >= kStoppedTicksBeforeRest) {
        record.resting = true;
        reportScriptProblem(object,
                            "OnTick was stopped by its budget " + std::to_string(kStoppedTicksBeforeRest) +
                                " frames running",
                            "it is no longer called; OnUse still is");
    }
    return ++record.failures == 1;
}

// Every record about the state goes with it.
void closeState(vlua::LuaState* state) {
    tickRecords.erase(state);
    forgetPrintBudget(state);
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

const char* consequenceOf(const char* event) {
    if (std::strcmp(event, "OnTick") == 0)
        return "it is called again next frame; later failures are counted, not printed";
    if (std::strcmp(event, "OnCreate") == 0) return "loading goes on";
    return "the game goes on";
}

}  // namespace

void attachScript(GameObject& object, const char* path) {
    if (refusedForMemory()) return;
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

void callObjectEvent(GameObject& object, const char* event) {
    if (!object.script) return;
    const bool tick = std::strcmp(event, "OnTick") == 0;
    if (tick && tickRecords[object.script].resting) return;
    try {
        callScriptFunction(object.script, event);
        if (tick) countTick(object, false);
    } catch (const vlua::LuaException& failure) {
        if (tick && !countTick(object, true)) return;
        bool missing = std::strcmp(failure.what(), "m_functionObj.IsFunction()") == 0;
        std::string what = missing ? std::string("has no function ") + event
                                   : std::string(event) + " failed: " + failure.GetLuaMessage();
        reportScriptProblem(object, what, consequenceOf(event));
    }
}

void detachScript(GameObject& object) {
    if (!object.script) return;
    closeState(object.script);
    object.script = nullptr;
}

int tickFailures(const GameObject& object) {
    auto found = tickRecords.find(object.script);
    return found == tickRecords.end() ? 0 : found->second.failures;
}
