// The operations a host performs on the library, each with what it needs
// around it: the whole poll cycle and every export alone.  poll_bench times
// them and poll_instructions counts their instructions, from this one table.
#pragma once

#include <memory>
#include <vector>

// One operation, set up: constructing it sets up, Call() makes one call,
// destroying it tears down.
class OperationFixture {
public:
    virtual ~OperationFixture() = default;
    // False when the library did not do what the operation expects of it.
    virtual bool Call() = 0;
};

struct PollOperation {
    const char *name;         // the benchmark's name without its "BM_" prefix
    const char *description;  // what one call does, for listings and tables
    std::unique_ptr<OperationFixture> (*setUp)();
};

const std::vector<PollOperation> &PollOperations();

// The operation of that name, or null.
const PollOperation *FindPollOperation(const char *name);
