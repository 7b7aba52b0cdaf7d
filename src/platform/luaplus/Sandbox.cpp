#include "Sandbox.h"

#include "LibraryCharges.h"
#include "Unpack.h"

#include <initializer_list>

namespace vlua {

namespace {

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

    lua_pushcfunction(L, boundedUnpack);
    lua_setglobal(L, "unpack");
    chargeLibraryCalls(L);
    return 0;
}

}  // namespace vlua
