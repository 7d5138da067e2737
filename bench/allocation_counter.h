// Counts heap allocations made through operator new, to show that a code path allocates nothing.
// Linking allocation_counter.cpp into an executable replaces its global operator new and delete.
#pragma once

#include <cstdint>

// Number of operator new calls made by this process so far.
uint64_t AllocationCount();

// Blocks from operator new not yet given back to operator delete: shows that repeated work leaves
// nothing behind.
int64_t LiveAllocationCount();
