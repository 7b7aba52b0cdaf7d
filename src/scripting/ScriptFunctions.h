#pragma once
// The native functions every object's script may call, registered as globals of its state.
// Each checks all its argument types first and does nothing at all on a wrong one; none returns
// Lua results (answers go into a table argument or the global "id").
//   PrintString(text)               prints the text, no newline
//   PrintFloat(number)              prints it as a float with six decimals, no newline
//   PrintInt(integer)               prints it, no newline
//   GetPosition(id, table)          table.x, .y, .z = the object's world position
//   RotateObjRelative(id, a, b, c)  turns the object by a, b, c about x, y, z: radians for an
//                                   object with a physics actor, degrees for a node alone
//   GetObjIDByName(name)            global id = the id of the object with that node name, or 0
//   ShowMessage(text)               shows the text on screen for four seconds (a newer one
//                                   replaces it; cut at 120 bytes) and prints it with a newline
//   GetPlayTime(table)              table.seconds = the time played since the level loaded
//   RevealLevel()                   one white pulse from the player that lights the whole level;
//                                   none while the last one (2 s) is still sweeping
//   PlaySound(id, file)             plays Content/sounds/<file> at the object, with its pulse;
//                                   a missing object or file is said once and nothing plays

namespace vlua { class LuaState; }

// Registers the functions, in the order above, in the state's globals.
void registerScriptLibrary(vlua::LuaState* state);

// A new level: its scripts may reveal it at once, whatever the last level's did.
void resetRevealClock();

// Starts the sounds scripts asked for with PlaySound since the last call; outside every script's
// budget, once the frame's scripts have run.
void playScriptSounds();

int PrintString(vlua::LuaState* state);
int PrintFloat(vlua::LuaState* state);
int PrintInt(vlua::LuaState* state);
int GetPosition(vlua::LuaState* state);
int RotateObjRelative(vlua::LuaState* state);
int GetObjIDByName(vlua::LuaState* state);
int ShowMessage(vlua::LuaState* state);
int GetPlayTime(vlua::LuaState* state);
int RevealLevel(vlua::LuaState* state);
int PlaySound(vlua::LuaState* state);
