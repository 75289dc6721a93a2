// Test hooks of the Linux global heap: count allocations, make the n-th one
// fail, and count the blocks still alive.  Not part of the Win32 subset.
#pragma once

namespace platform_heap {

// Makes the n-th allocation from now (1-based) fail; 0 disables failing.
void FailAllocationNumber(long n);
// Allocations attempted (GlobalAlloc and growing GlobalReAlloc) since the last reset.
long AllocationsAttempted();
void ResetAllocationCount();
// Blocks allocated and not yet freed, over the life of the process.
long LiveBlocks();

}  // namespace platform_heap
