#pragma once
// Library calls whose own loops the instruction count does not see are charged to the run
// budget before they start, judged from their arguments: string.rep, lower, upper, reverse and
// format and tonumber by the text they go through, table.insert, remove, concat, sort and
// foreachi by the elements they move or visit. Functions that table.sort, foreach and foreachi
// call back are charged per call, so an endless or quadratic loop inside the library stops
// like one in a script. Position and count arguments outside the integers are refused instead
// of being converted with undefined results.

#include "LuaRuntime.h"

namespace vlua {

// Replaces those library functions in a state's string, table and base tables.
void chargeLibraryCalls(lua_State* L);

}  // namespace vlua
