// The console functions: the text goes to standard output as it is, with no newline added.
#include "scripting/ScriptFunctions.h"

#include "luaplus/LuaStackObject.h"

#include <cstdio>

int PrintString(vlua::LuaState* state) {
    vlua::LuaStackObject text(state, 1);
    if (!text.IsString()) return 0;
    std::printf("%s", text.GetString());
    return 0;
}

int PrintFloat(vlua::LuaState* state) {
    vlua::LuaStackObject number(state, 1);
    if (!number.IsNumber()) return 0;
    std::printf("%f", static_cast<double>(number.GetFloat()));
    return 0;
}

int PrintInt(vlua::LuaState* state) {
    vlua::LuaStackObject number(state, 1);
    if (!number.IsInteger()) return 0;
    std::printf("%i", number.GetInteger());
    return 0;
}
