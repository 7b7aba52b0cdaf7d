#include "LibraryCharges.h"

#include "RunBudget.h"

#include <climits>
#include <cmath>

namespace vlua {

namespace {

const double kBytesPerInstruction = 16;  // text a library loop goes through for one instruction
const double kCallbackWork = 4;          // instructions charged for each call back into a function

// Work a library call will do, in instructions, judged from its arguments.
using WorkOf = double (*)(lua_State* L);

double tableLength(lua_State* L) {
    return lua_type(L, 1) == LUA_TTABLE ? static_cast<double>(lua_objlen(L, 1)) : 0.0;
}

// An int argument as the library will read it; `absent` when it is not given or no number (the
// library then reports that itself). One the library would convert to an int with undefined
// results is refused.
double intArgument(lua_State* L, int index, double absent) {
    if (!lua_isnumber(L, index)) return absent;
    double value = lua_tonumber(L, index);
    if (!(value >= INT_MIN && value <= INT_MAX)) luaL_argerror(L, index, "number out of range");
    return std::trunc(value);
}

double textWork(lua_State* L) {
    double bytes = 0;
    for (int i = 1; i <= lua_gettop(L); ++i)
        if (lua_type(L, i) == LUA_TSTRING) bytes += static_cast<double>(lua_objlen(L, i));
    return bytes / kBytesPerInstruction;
}

// string.rep loops once per copy even when the text is empty, which no allocation would notice.
double repWork(lua_State* L) {
    double copies = std::fmax(0.0, intArgument(L, 2, 0));
    double text = lua_type(L, 1) == LUA_TSTRING ? static_cast<double>(lua_objlen(L, 1)) : 0.0;
    return copies + copies * text / kBytesPerInstruction;
}

// table.insert(t, pos, v) moves every element from pos up, and from the end down to a pos far
// below it: insert({}, -2^31 + 1, v) loops two thousand million times.
double insertWork(lua_State* L) {
    if (lua_gettop(L) != 3) return 1;
    double position = intArgument(L, 2, 1);
    return std::fmax(1.0, tableLength(L) + 1 - position);
}

double removeWork(lua_State* L) {
    intArgument(L, 2, 0);
    return tableLength(L);
}

double sortWork(lua_State* L) {
    double n = tableLength(L);
    return n * std::log2(n + 1.0);
}

double concatWork(lua_State* L) {
    double first = intArgument(L, 3, 1);
    double last = intArgument(L, 4, tableLength(L));
    return std::fmax(0.0, last - first + 1.0);
}

double nothing(lua_State*) { return 0; }

// Upvalue: the function being called back.
int chargedCallback(lua_State* L) {
    chargeWork(L, kCallbackWork);
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, lua_gettop(L) - 1, LUA_MULTRET);
    return lua_gettop(L);
}

// table.sort's own order, so that its comparisons are charged like a script's comparator.
int lessThan(lua_State* L) {
    lua_pushboolean(L, lua_lessthan(L, 1, 2));
    return 1;
}

// Upvalues: the library's own function, the WorkOf that prices a call and whether argument 2 is
// a function the library calls back (2: with lessThan when none is given, as table.sort).
int chargedCall(lua_State* L) {
    WorkOf workOf = reinterpret_cast<WorkOf>(lua_touserdata(L, lua_upvalueindex(2)));
    chargeWork(L, workOf(L));
    int callback = static_cast<int>(lua_tointeger(L, lua_upvalueindex(3)));
    if (callback == 2 && lua_isnoneornil(L, 2)) {
        lua_settop(L, 2);
        lua_pushcfunction(L, lessThan);
        lua_replace(L, 2);
    }
    if (callback && lua_type(L, 2) == LUA_TFUNCTION) {
        lua_pushvalue(L, 2);
        lua_pushcclosure(L, chargedCallback, 1);
        lua_replace(L, 2);
    }
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, lua_gettop(L) - 1, LUA_MULTRET);
    return lua_gettop(L);
}

struct Charge {
    const char* library;  // nullptr for the base library
    const char* name;
    WorkOf workOf;
    int callback;  // 0 none, 1 argument 2, 2 argument 2 or lessThan
};

const Charge kCharges[] = {
    {LUA_STRLIBNAME, "rep", repWork, 0},
    {LUA_STRLIBNAME, "lower", textWork, 0},
    {LUA_STRLIBNAME, "upper", textWork, 0},
    {LUA_STRLIBNAME, "reverse", textWork, 0},
    {LUA_STRLIBNAME, "format", textWork, 0},
    {nullptr, "tonumber", textWork, 0},
    {LUA_TABLIBNAME, "insert", insertWork, 0},
    {LUA_TABLIBNAME, "remove", removeWork, 0},
    {LUA_TABLIBNAME, "concat", concatWork, 0},
    {LUA_TABLIBNAME, "sort", sortWork, 2},
    {LUA_TABLIBNAME, "foreachi", tableLength, 1},
    {LUA_TABLIBNAME, "foreach", nothing, 1},
};

}  // namespace

void chargeLibraryCalls(lua_State* L) {
    for (const Charge& charge : kCharges) {
        if (charge.library)
            lua_getglobal(L, charge.library);
        else
            lua_pushvalue(L, LUA_GLOBALSINDEX);
        lua_getfield(L, -1, charge.name);
        lua_pushlightuserdata(L, reinterpret_cast<void*>(charge.workOf));
        lua_pushinteger(L, charge.callback);
        lua_pushcclosure(L, chargedCall, 3);
        lua_setfield(L, -2, charge.name);
        lua_pop(L, 1);
    }
}

}  // namespace vlua
