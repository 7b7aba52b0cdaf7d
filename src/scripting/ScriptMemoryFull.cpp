#include "scripting/ScriptMemoryFull.h"

#include "luaplus/LuaState.h"

#include <cstddef>
#include <cstdio>

namespace {
bool full = false;
std::size_t refused = 0;
}  // namespace

void noteAllScriptsFull() {
    if (full) return;
    full = true;
    std::printf("Scripting: all scripts together are at their memory cap of %lu MiB; later objects of this "
                "level get no script and are counted\n",
                vlua::LuaState::kAllStatesMemoryCap >> 20);
}

bool refusedForMemory() {
    if (full) ++refused;
    return full;
}

void reportScriptsRefused() {
    if (refused)
        std::printf("Scripting: %zu more objects got no script, as all scripts together were at their memory "
                    "cap\n",
                    refused);
    full = false;
    refused = 0;
}
