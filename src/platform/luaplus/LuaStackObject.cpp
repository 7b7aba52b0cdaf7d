#include "luaplus/LuaStackObject.h"

#include "LuaRuntime.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>

namespace vlua {

LuaStackObject::LuaStackObject(LuaState* state, int index) : state(state), index(index) {}

bool LuaStackObject::IsString() const { return lua_type(state->runtime->L, index) == LUA_TSTRING; }

bool LuaStackObject::IsNumber() const { return lua_type(state->runtime->L, index) == LUA_TNUMBER; }

bool LuaStackObject::IsInteger() const {
    if (!IsNumber()) return false;
    double value = GetNumber();
    return value == std::trunc(value) && value >= INT_MIN && value <= INT_MAX;
}

bool LuaStackObject::IsTable() const { return lua_type(state->runtime->L, index) == LUA_TTABLE; }

const char* LuaStackObject::GetString() const {
    return IsString() ? lua_tostring(state->runtime->L, index) : nullptr;
}

double LuaStackObject::GetNumber() const {
    return IsNumber() ? lua_tonumber(state->runtime->L, index) : 0.0;
}

float LuaStackObject::GetFloat() const {
    double value = GetNumber();
    if (value > FLT_MAX) return std::numeric_limits<float>::infinity();
    if (value < -FLT_MAX) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

int LuaStackObject::GetInteger() const { return clampToInt(GetNumber()); }

}  // namespace vlua
