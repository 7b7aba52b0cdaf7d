#pragma once
// The layer's own stack work (references, raw table writes, conversions) can fail only for lack
// of memory, but a Lua error outside a protected call ends the process. So all of it runs
// through protect(): inside lua_pcall, with a failure turned into a LuaException. The work must
// not own C++ objects with destructors: a Lua error unwinds it with longjmp.

#include "LuaRuntime.h"

#include <type_traits>

namespace vlua {

using ProtectedWork = int (*)(lua_State* L, void* work);

// Calls run(L, work) protected with the top `arguments` values as its arguments (positions 1,
// 2, ...); run returns how many values it leaves, and `results` of them stay on the stack.
void runProtected(LuaRuntime& runtime, int arguments, int results, ProtectedWork run, void* work);

template <class Work>
void protect(LuaRuntime& runtime, int arguments, int results, Work&& work) {
    using Body = std::remove_reference_t<Work>;
    runProtected(runtime, arguments, results,
                 [](lua_State* L, void* body) { return (*static_cast<Body*>(body))(L); }, &work);
}

// Makes the C function that runProtected calls; part of setting up a new state.
void registerProtectedRunner(lua_State* L);

}  // namespace vlua
