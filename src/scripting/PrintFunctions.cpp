// The console functions: the text goes to standard output as it is, with no newline added,
// within the object's print budget.
#include "scripting/ScriptFunctions.h"

#include "scripting/PrintBudget.h"

#include "luaplus/LuaStackObject.h"

#include <cstdio>
#include <string>

int PrintString(vlua::LuaState* state) {
    vlua::LuaStackObject text(state, 1);
    if (!text.IsString()) return 0;
    printWithinBudget(state, text.GetString());
    return 0;
}

int PrintFloat(vlua::LuaState* state) {
    vlua::LuaStackObject number(state, 1);
    if (!number.IsNumber()) return 0;
    char formatted[64];  // FLT_MAX with six decimals is 46 characters
    std::snprintf(formatted, sizeof formatted, "%f", static_cast<double>(number.GetFloat()));
    printWithinBudget(state, formatted);
    return 0;
}

int PrintInt(vlua::LuaState* state) {
    vlua::LuaStackObject number(state, 1);
    if (!number.IsInteger()) return 0;
    printWithinBudget(state, std::to_string(number.GetInteger()).c_str());
    return 0;
}
