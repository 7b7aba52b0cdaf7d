#include "luaplus/LuaState.h"

#include "CappedAllocator.h"
#include "LuaRuntime.h"
#include "Protect.h"
#include "RunBudget.h"
#include "Sandbox.h"
#include "ScriptFile.h"
#include "luaplus/LuaObject.h"

#include <string>

namespace vlua {

static_assert(StatusRuntimeError == LUA_ERRRUN && StatusSyntaxError == LUA_ERRSYNTAX &&
                  StatusMemoryError == LUA_ERRMEM && StatusHandlerError == LUA_ERRERR &&
                  StatusFileError == LUA_ERRFILE,
              "our status codes are Lua's");

namespace {

int setUpState(lua_State* L) {
    openSandbox(L);
    registerProtectedRunner(L);
    return 0;
}

void pushText(LuaRuntime& runtime, const std::string& text) {
    protect(runtime, 0, 1, [&text](lua_State* L) {
        lua_pushlstring(L, text.data(), text.size());
        return 1;
    });
}

// Lua's own "not enough memory" would suggest the machine ran out; say what happened.
void explainMemoryStop(LuaRuntime& runtime, int status) {
    if (status != LUA_ERRMEM || !runtime.capHit) return;
    const bool all = runtime.totalCapHit;
    protect(runtime, 0, 1, [all](lua_State* L) {
        if (all)
            lua_pushfstring(L, "script stopped: all scripts together are over their memory cap of %d MiB",
                            static_cast<int>(LuaState::kAllStatesMemoryCap >> 20));
        else
            lua_pushfstring(L, "script stopped: over its memory cap of %d MiB",
                            static_cast<int>(LuaState::kMemoryCap >> 20));
        return 1;
    });
    lua_replace(runtime.L, -2);
}

}  // namespace

LuaState* LuaState::Create() {
    auto runtime = std::make_unique<LuaRuntime>();
    runtime->L = lua_newstate(cappedAllocate, runtime.get());
    if (!runtime->L) return nullptr;
    if (lua_cpcall(runtime->L, setUpState, nullptr) != 0) {
        lua_close(runtime->L);
        return nullptr;
    }
    LuaState* state = new LuaState(std::move(runtime));
    state->runtime->owner = state;
    return state;
}

void LuaState::Destroy(LuaState* state) { delete state; }

void LuaState::SetRunBudget(long instructions, double cpuSeconds) { setRunBudget(instructions, cpuSeconds); }

void LuaState::LimitNextRun(long instructions, double cpuSeconds) {
    runtime->nextInstructionLimit = instructions;
    runtime->nextCpuLimit = cpuSeconds;
}

RunCost LuaState::TotalRunCost() const { return {runtime->instructionsRun, runtime->cpuSecondsRun}; }

LuaState::LuaState(std::unique_ptr<LuaRuntime> runtime) : runtime(std::move(runtime)) {}

LuaState::~LuaState() { lua_close(runtime->L); }

int LuaState::DoFile(const char* path) {
    ScriptSource source = readScriptFile(path);
    if (source.status != StatusOk) {
        pushText(*runtime, source.text);
        return source.status;
    }
    std::string chunkName = std::string("@") + path;
    int status;
    {
        ScriptRun run(*runtime);
        status = luaL_loadbuffer(runtime->L, source.text.data(), source.text.size(),
                                 chunkName.c_str());
        if (status == 0) status = lua_pcall(runtime->L, 0, 0, 0);
    }
    explainMemoryStop(*runtime, status);
    return status;
}

LuaObject LuaState::GetGlobals() {
    int ref = LUA_NOREF;
    protect(*runtime, 0, 0, [&ref](lua_State* L) {
        lua_pushvalue(L, LUA_GLOBALSINDEX);
        ref = luaL_ref(L, LUA_REGISTRYINDEX);
        return 0;
    });
    return LuaObject(this, ref, LUA_NOREF, "");
}

LuaObject LuaState::GetGlobal(const char* name) { return GetGlobals()[name]; }

int LuaState::GetTop() { return lua_gettop(runtime->L); }

void LuaState::SetTop(int index) { lua_settop(runtime->L, index); }

void LuaState::PushInteger(int value) { lua_pushinteger(runtime->L, value); }

int LuaState::PCall(int nargs, int nresults, int errfunc) {
    int status;
    {
        ScriptRun run(*runtime);
        status = lua_pcall(runtime->L, nargs, nresults, errfunc);
    }
    explainMemoryStop(*runtime, status);
    return status;
}

const char* LuaState::ToString(int index) {
    lua_State* L = runtime->L;
    index = absoluteIndex(L, index);
    if (lua_type(L, index) == LUA_TNUMBER) {
        // Converting a number makes a new string, which may fail: do it protected, in place.
        lua_pushvalue(L, index);
        protect(*runtime, 1, 1, [](lua_State* L) {
            lua_tolstring(L, 1, nullptr);
            return 1;
        });
        lua_replace(L, index);
    }
    return lua_type(L, index) == LUA_TSTRING ? lua_tostring(L, index) : nullptr;
}

bool LuaState::StoppedByBudget() const { return runtime->budgetSpent; }

bool LuaState::MetAllStatesCap() const { return runtime->capHit && runtime->totalCapHit; }

double LuaState::ToNumber(int index) { return lua_tonumber(runtime->L, index); }

}  // namespace vlua
