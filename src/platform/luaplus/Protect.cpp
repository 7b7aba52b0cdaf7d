#include "Protect.h"

#include "luaplus/LuaException.h"

#include <string>

namespace vlua {

namespace {

struct Task {
    ProtectedWork run;
    void* work;
};

int runTask(lua_State* L) {
    Task* task = static_cast<Task*>(lua_touserdata(L, 1));
    lua_remove(L, 1);
    return task->run(L, task->work);
}

}  // namespace

void runProtected(LuaRuntime& runtime, int arguments, int results, ProtectedWork run, void* work) {
    lua_State* L = runtime.L;
    Task task{run, work};
    // Pushing the stored runner and a light pointer allocates nothing, so cannot fail.
    lua_rawgeti(L, LUA_REGISTRYINDEX, runtime.taskRef);
    lua_pushlightuserdata(L, &task);
    lua_insert(L, -(arguments + 2));
    lua_insert(L, -(arguments + 2));
    if (lua_pcall(L, arguments + 1, results, 0) == 0) return;
    std::string message =
        lua_type(L, -1) == LUA_TSTRING ? lua_tostring(L, -1) : "error in the Lua layer";
    lua_pop(L, 1);
    throw LuaException(message.c_str(), message);
}

void registerProtectedRunner(lua_State* L) {
    lua_pushcfunction(L, runTask);
    runtimeOf(L).taskRef = luaL_ref(L, LUA_REGISTRYINDEX);
}

}  // namespace vlua
