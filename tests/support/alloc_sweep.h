// The allocation-failure sweep: run a call once to count its allocations,
// then once more for each of them with exactly that allocation failing.
// After every run nothing may be left allocated beyond what the run's own
// clean-up releases, and the run's own checks decide what "ended cleanly" means.
#pragma once

#include <functional>

// `run(failAt)` performs the call (failAt is 0 for the counting run, else the
// number of the allocation made to fail), checks its outcome, and releases
// whatever the call handed out.  Returns the number of allocations counted.
long SweepAllocationFailures(const std::function<void(long failAt)> &run);
