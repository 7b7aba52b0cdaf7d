#include "CappedAllocator.h"

#include "LuaRuntime.h"
#include "RunBudget.h"
#include "luaplus/LuaState.h"

#include <cstdlib>

namespace vlua {

namespace {
const std::size_t kLargeAllocation = 64 * 1024;  // bytes; copying this much is worth a clock read

std::size_t allStatesBytes = 0;  // what every state together holds; states live on the main thread
}

void* cappedAllocate(void* userData, void* block, std::size_t oldSize, std::size_t newSize) {
    LuaRuntime& runtime = *static_cast<LuaRuntime*>(userData);
    if (newSize == 0) {
        std::free(block);
        runtime.bytesInUse -= oldSize;
        allStatesBytes -= oldSize;
        return nullptr;
    }
    // Lua 5.1 relies on shrinking never failing, so only growth is checked.
    if (newSize > oldSize && runtime.capActive) {
        const std::size_t growth = newSize - oldSize;
        const bool overOwn = runtime.bytesInUse + growth > LuaState::kMemoryCap;
        const bool overAll = allStatesBytes + growth > LuaState::kAllStatesMemoryCap;
        if (overOwn || overAll) {
            runtime.capHit = true;
            runtime.totalCapHit = !overOwn;
            return nullptr;
        }
        if (newSize >= kLargeAllocation) checkDeadline(runtime);
    }
    void* grown = std::realloc(block, newSize);
    if (grown) {
        runtime.bytesInUse = runtime.bytesInUse - oldSize + newSize;
        allStatesBytes = allStatesBytes - oldSize + newSize;
    }
    return grown;
}

}  // namespace vlua
