#include "LuaRuntime.h"

#include <climits>
#include <cmath>

namespace vlua {

LuaRuntime& runtimeOf(lua_State* L) {
    void* userData = nullptr;
    lua_getallocf(L, &userData);
    return *static_cast<LuaRuntime*>(userData);
}

int clampToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

int absoluteIndex(lua_State* L, int index) {
    return (index < 0 && index > LUA_REGISTRYINDEX) ? lua_gettop(L) + index + 1 : index;
}

}  // namespace vlua
