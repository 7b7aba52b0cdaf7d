#pragma once
// The one routine by which the game calls a script's event ("OnCreate", "OnTick", "OnUse"): a
// global function of the state, looked up by name at every call and called with no arguments.
// Throws vlua::LuaException "m_functionObj.IsFunction()" when the global is no function, and
// "0" when the function raised an error (Lua's message in GetLuaMessage). The state's stack is
// as it was when the routine returns or throws. Returns the result as an integer, truncated
// toward zero; callers ignore it.

namespace vlua { class LuaState; }

int callScriptFunction(vlua::LuaState* state, const char* functionName);
