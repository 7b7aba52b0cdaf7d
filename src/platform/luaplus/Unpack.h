#pragma once
// The sandbox's unpack. Lua 5.1's own computes the length of the range in int arithmetic, so a
// range such as unpack({}, 0, 2^31-1) overflows and writes past the end of the stack. This one
// checks the range as numbers first and refuses more values than a call can return.

#include "LuaRuntime.h"

namespace vlua {

int boundedUnpack(lua_State* L);

}  // namespace vlua
