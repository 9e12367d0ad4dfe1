#pragma once

#include <cstddef>

// Allocations made so far through malloc, calloc, realloc and operator new by
// the code linked into the test program.
size_t AllocationCount();
