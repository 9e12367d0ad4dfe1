#include "allocation_counter.h"

#include <cstdlib>
#include <new>

extern "C" {
void* __real_malloc(size_t size);
void* __real_calloc(size_t count, size_t size);
void* __real_realloc(void* block, size_t size);
}

namespace {
size_t allocations = 0;
}

size_t AllocationCount() { return allocations; }

extern "C" {
void* __wrap_malloc(size_t size) {
    ++allocations;
    return __real_malloc(size);
}
void* __wrap_calloc(size_t count, size_t size) {
    ++allocations;
    return __real_calloc(count, size);
}
void* __wrap_realloc(void* block, size_t size) {
    ++allocations;
    return __real_realloc(block, size);
}
}

// The library's own operator new would reach malloc unseen, from inside libstdc++.
void* operator new(size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        std::abort();
    }
    return block;
}
void* operator new[](size_t size) { return operator new(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, size_t) noexcept { std::free(block); }
void operator delete[](void* block, size_t) noexcept { std::free(block); }
