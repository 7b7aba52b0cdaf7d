#include "luaplus/LuaObject.h"

#include "LuaRuntime.h"
#include "Protect.h"
#include "RunBudget.h"
#include "luaplus/LuaException.h"
#include "luaplus/LuaStackObject.h"

#include <cstdio>
#include <exception>
#include <string>

namespace vlua {

namespace {

// Calls a game function from a script. A C++ exception must not cross Lua's C frames, so one
// becomes a Lua error in the calling script. The work of a native function is not counted, so
// the clock is read after it. Upvalue: the LuaCallback.
int callNative(lua_State* L) {
    LuaCallback function = reinterpret_cast<LuaCallback>(lua_touserdata(L, lua_upvalueindex(1)));
    char failure[256];
    bool failed = false;
    int results = 0;
    try {
        results = function(runtimeOf(L).owner);
    } catch (const std::exception& exception) {
        std::snprintf(failure, sizeof failure, "%s", exception.what());
        failed = true;
    } catch (...) {
        std::snprintf(failure, sizeof failure, "native function failed");
        failed = true;
    }
    if (failed) return luaL_error(L, "%s", failure);
    checkDeadline(runtimeOf(L));
    return results;
}

// A reference lost to a full memory only keeps one value alive: not worth failing for.
void release(LuaRuntime& runtime, int ref) {
    if (ref < 0) return;
    try {
        protect(runtime, 0, 0, [ref](lua_State* L) {
            luaL_unref(L, LUA_REGISTRYINDEX, ref);
            return 0;
        });
    } catch (const LuaException&) {
    }
}

}  // namespace

LuaObject::LuaObject(LuaState* state, int ref, int tableRef, const char* key)
    : state(state), ref(ref), tableRef(tableRef), key(key) {}

LuaObject::LuaObject(const LuaStackObject& stackObject)
    : state(stackObject.state), ref(LUA_NOREF), tableRef(LUA_NOREF) {
    lua_pushvalue(state->runtime->L, stackObject.index);
    int made = LUA_NOREF;
    protect(*state->runtime, 1, 0, [&made](lua_State* L) {
        made = luaL_ref(L, LUA_REGISTRYINDEX);
        return 0;
    });
    ref = made;
}

LuaObject::LuaObject(LuaObject&& other) noexcept
    : state(other.state), ref(other.ref), tableRef(other.tableRef), key(std::move(other.key)) {
    other.ref = LUA_NOREF;
    other.tableRef = LUA_NOREF;
}

LuaObject::~LuaObject() {
    release(*state->runtime, ref);
    release(*state->runtime, tableRef);
}

bool LuaObject::IsFunction() const {
    lua_State* L = state->runtime->L;
    Push();
    bool function = lua_type(L, -1) == LUA_TFUNCTION;
    lua_pop(L, 1);
    return function;
}

int LuaObject::GetInteger() const { return clampToInt(GetNumber()); }

double LuaObject::GetNumber() const {
    lua_State* L = state->runtime->L;
    Push();
    double number = lua_type(L, -1) == LUA_TNUMBER ? lua_tonumber(L, -1) : 0.0;
    lua_pop(L, 1);
    return number;
}

void LuaObject::Push() const { lua_rawgeti(state->runtime->L, LUA_REGISTRYINDEX, ref); }

LuaObject LuaObject::operator[](const char* name) const {
    int valueRef = LUA_REFNIL;
    int parentRef = LUA_NOREF;
    Push();
    protect(*state->runtime, 1, 0, [&valueRef, &parentRef, name](lua_State* L) {
        if (lua_type(L, 1) != LUA_TTABLE) return 0;
        lua_pushstring(L, name);
        lua_rawget(L, 1);
        valueRef = luaL_ref(L, LUA_REGISTRYINDEX);
        parentRef = luaL_ref(L, LUA_REGISTRYINDEX);
        return 0;
    });
    return LuaObject(state, valueRef, parentRef, name);
}

void LuaObject::SetInteger(const char* name, int value) {
    requireTable("SetInteger");
    Push();
    protect(*state->runtime, 1, 0, [name, value](lua_State* L) {
        lua_pushstring(L, name);
        lua_pushinteger(L, value);
        lua_rawset(L, 1);
        return 0;
    });
}

void LuaObject::AssignNumber(double value) {
    int valueRef = LUA_NOREF;
    const int table = tableRef;
    const char* name = key.c_str();
    protect(*state->runtime, 0, 0, [&valueRef, table, name, value](lua_State* L) {
        if (table != LUA_NOREF) {
            lua_rawgeti(L, LUA_REGISTRYINDEX, table);
            lua_pushstring(L, name);
            lua_pushnumber(L, value);
            lua_rawset(L, -3);
            lua_pop(L, 1);
        }
        lua_pushnumber(L, value);
        valueRef = luaL_ref(L, LUA_REGISTRYINDEX);
        return 0;
    });
    release(*state->runtime, ref);
    ref = valueRef;
}

void LuaObject::Register(const char* name, LuaCallback function) {
    requireTable("Register");
    Push();
    protect(*state->runtime, 1, 0, [name, function](lua_State* L) {
        lua_pushstring(L, name);
        lua_pushlightuserdata(L, reinterpret_cast<void*>(function));
        lua_pushcclosure(L, callNative, 1);
        lua_rawset(L, 1);
        return 0;
    });
}

void LuaObject::requireTable(const char* operation) const {
    lua_State* L = state->runtime->L;
    Push();
    bool table = lua_type(L, -1) == LUA_TTABLE;
    lua_pop(L, 1);
    if (!table) {
        std::string text = std::string(operation) + " needs a table";
        throw LuaException(text.c_str(), text);
    }
}

}  // namespace vlua
