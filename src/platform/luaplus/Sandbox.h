#pragma once
// Opens the libraries a level script may use (see luaplus/LuaState.h for the list), puts in the
// bounded unpack and charges the library's own loops to the run budget. A lua_CFunction for lua_cpcall on a new state.

#include "LuaRuntime.h"

namespace vlua {

int openSandbox(lua_State* L);

}  // namespace vlua
