#include "Sandbox.h"

#include "RunBudget.h"

#include <cmath>
#include <initializer_list>

namespace vlua {

namespace {

// Work a library call will do, in instructions, judged from its arguments.
using WorkOf = double (*)(lua_State* L);

double tableLength(lua_State* L) {
    return lua_type(L, 1) == LUA_TTABLE ? static_cast<double>(lua_objlen(L, 1)) : 0.0;
}

// string.rep loops once per copy even when the text is empty, which no allocation would notice.
double repWork(lua_State* L) { return std::fmax(0.0, lua_tonumber(L, 2)); }

// table.insert and remove move up to every element.
double shiftWork(lua_State* L) { return tableLength(L); }

double sortWork(lua_State* L) {
    double n = tableLength(L);
    return n * std::log2(n + 1.0);
}

double concatWork(lua_State* L) {
    double first = lua_isnoneornil(L, 3) ? 1.0 : lua_tonumber(L, 3);
    double last = lua_isnoneornil(L, 4) ? tableLength(L) : lua_tonumber(L, 4);
    return std::fmax(0.0, last - first + 1.0);
}

// Upvalues: the library's own function and the WorkOf that prices a call.
int chargedCall(lua_State* L) {
    WorkOf workOf = reinterpret_cast<WorkOf>(lua_touserdata(L, lua_upvalueindex(2)));
    chargeWork(L, workOf(L));
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, lua_gettop(L) - 1, LUA_MULTRET);
    return lua_gettop(L);
}

void charge(lua_State* L, const char* library, const char* name, WorkOf workOf) {
    lua_getglobal(L, library);
    lua_getfield(L, -1, name);
    lua_pushlightuserdata(L, reinterpret_cast<void*>(workOf));
    lua_pushcclosure(L, chargedCall, 2);
    lua_setfield(L, -2, name);
    lua_pop(L, 1);
}

void removeField(lua_State* L, const char* library, const char* name) {
    lua_getglobal(L, library);
    lua_pushnil(L);
    lua_setfield(L, -2, name);
    lua_pop(L, 1);
}

}  // namespace

int openSandbox(lua_State* L) {
    const struct { const char* name; lua_CFunction open; } libraries[] = {
        {"", luaopen_base},
        {LUA_STRLIBNAME, luaopen_string},
        {LUA_TABLIBNAME, luaopen_table},
        {LUA_MATHLIBNAME, luaopen_math},
    };
    for (const auto& library : libraries) {
        lua_pushcfunction(L, library.open);
        lua_pushstring(L, library.name);
        lua_call(L, 1, 0);
    }
    // An xpcall handler runs with hooks off when the error came from the budget hook, so it
    // could loop forever; pcall is enough for scripts. A full collection or a flood of output
    // costs time no instruction count sees; the game's PrintString is there for output.
    for (const char* name : {"dofile", "loadfile", "load", "loadstring", "xpcall", "newproxy",
                             "coroutine", "collectgarbage", "print"}) {
        lua_pushnil(L);
        lua_setglobal(L, name);
    }
    for (const char* name : {"dump", "find", "match", "gmatch", "gfind", "gsub"})
        removeField(L, LUA_STRLIBNAME, name);
    removeField(L, LUA_TABLIBNAME, "maxn");

    charge(L, LUA_STRLIBNAME, "rep", repWork);
    charge(L, LUA_TABLIBNAME, "insert", shiftWork);
    charge(L, LUA_TABLIBNAME, "remove", shiftWork);
    charge(L, LUA_TABLIBNAME, "sort", sortWork);
    charge(L, LUA_TABLIBNAME, "concat", concatWork);
    return 0;
}

}  // namespace vlua
