#include "scripting/ScriptFunctions.h"

#include "luaplus/LuaObject.h"
#include "luaplus/LuaState.h"

void registerScriptLibrary(vlua::LuaState* state) {
    vlua::LuaObject globals = state->GetGlobals();
    globals.Register("PrintString", PrintString);
    globals.Register("PrintFloat", PrintFloat);
    globals.Register("PrintInt", PrintInt);
    globals.Register("GetPosition", GetPosition);
    globals.Register("RotateObjRelative", RotateObjRelative);
    globals.Register("GetObjIDByName", GetObjIDByName);
    globals.Register("ShowMessage", ShowMessage);
    globals.Register("GetPlayTime", GetPlayTime);
    globals.Register("RevealLevel", RevealLevel);
    globals.Register("PlaySound", PlaySound);
}
