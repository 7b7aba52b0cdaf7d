#pragma once
// The allocator of every state: counts the bytes Lua holds and, while script code runs, refuses
// growth past the memory cap of the state, or past the cap of all states together (Lua then
// raises "not enough memory" inside the script's call).
// Large allocations also look at the run's CPU deadline, so that a loop of big string copies is
// stopped without waiting for the next instruction count.

#include <cstddef>

namespace vlua {

void* cappedAllocate(void* runtime, void* block, std::size_t oldSize, std::size_t newSize);

}  // namespace vlua
