#pragma once
// The one routine by which the game calls a script's event ("OnCreate", "OnTick", "OnUse", the
// trigger events): a global function of the state, looked up by name at every call and called
// with no arguments, or with one integer (an object id) when `argument` holds one.
// Throws vlua::LuaException "m_functionObj.IsFunction()" when the global is no function, and
// "0" when the function raised an error (Lua's message in GetLuaMessage). The state's stack is
// as it was when the routine returns or throws. Returns the result as an integer, truncated
// toward zero; callers ignore it.

#include <optional>

namespace vlua { class LuaState; }

int callScriptFunction(vlua::LuaState* state, const char* functionName,
                       std::optional<int> argument = std::nullopt);
