#include "support/alloc_sweep.h"

#include <gtest/gtest.h>

#include "platform/linux/heap_hooks.h"

long SweepAllocationFailures(const std::function<void(long failAt)> &run) {
    const long baseline = platform_heap::LiveBlocks();
    platform_heap::FailAllocationNumber(0);
    platform_heap::ResetAllocationCount();
    run(0);
    const long allocations = platform_heap::AllocationsAttempted();
    EXPECT_EQ(platform_heap::LiveBlocks(), baseline) << "leak in the run without failures";
    for (long failAt = 1; failAt <= allocations; ++failAt) {
        SCOPED_TRACE(testing::Message() << "allocation " << failAt << " of " << allocations << " fails");
        platform_heap::ResetAllocationCount();
        platform_heap::FailAllocationNumber(failAt);
        run(failAt);
        platform_heap::FailAllocationNumber(0);
        EXPECT_EQ(platform_heap::LiveBlocks(), baseline) << "blocks leaked";
    }
    return allocations;
}
