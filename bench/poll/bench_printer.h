// The printer every benchmark polls: the idle sample with every option, its
// reply made of the simulator's own answers to the library's query.
#pragma once

#include <string>

#include "library/host_record.h"
#include "library/linked_exports.h"
#include "library/poll_cycle.h"
#include "printer_description.h"

extern const PatExports kExports;
const uint32_t kBenchSource = PAT_SOURCE_1;

struct PolledPrinter {
    PrinterDescription state;
    std::string deviceId;
    std::string reply;  // the answers to a query that asks about every tray
};

const PolledPrinter &BenchPrinter();

// A record as a host keeps it between polls, released at the end of its scope.
class PolledRecord {
public:
    PolledRecord();
    ~PolledRecord();
    PolledRecord(const PolledRecord &) = delete;
    PolledRecord &operator=(const PolledRecord &) = delete;

    PrnInfoEx *Get() { return &record_; }

private:
    PrnInfoEx record_;
};
