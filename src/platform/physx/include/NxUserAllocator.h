#pragma once
// Allocator the game hands to the SDK and the controller manager. The simulation allocates
// through its own allocator, so these are accepted for the call shape and not called.

#include <cstddef>
#include <cstdlib>

namespace vphysx {

class NxUserAllocator {
public:
    virtual ~NxUserAllocator() {}
    virtual void* malloc(std::size_t size) = 0;
    virtual void* realloc(void* memory, std::size_t size) = 0;
    virtual void free(void* memory) = 0;
};

// Takes its memory from the process heap.
class NxUserAllocatorDefault : public NxUserAllocator {
public:
    void* malloc(std::size_t size) override { return std::malloc(size); }
    void* realloc(void* memory, std::size_t size) override { return std::realloc(memory, size); }
    void free(void* memory) override { std::free(memory); }
};

}  // namespace vphysx
