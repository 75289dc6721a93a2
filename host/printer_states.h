// A set of printer states whose status pictures show every option and every
// highlight: the printer ready with its options, jams, a toner out, empty
// trays, full output trays, open covers, signs and no response.
#pragma once

#include <stdint.h>

#include <vector>

#include "pat.h"

struct PrinterState {
    const char *name;          // file-name stem of its picture
    const char *description;
    uint32_t sourceType;
    uint32_t statusCodes[4];   // ends at the first 0
    uint16_t options[6];       // ends at the first 0
    bool noResponse;
    const char *statusText;    // text of the engine-status items
};

// Ends with a row whose name is null.
extern const PrinterState kPrinterStates[];

// The printer information record of a state, in the terms the status
// exports read: the engine status, the installed options, whether the
// printer answers.  Its items are this object's own memory.
class StateRecord {
public:
    explicit StateRecord(const PrinterState &state);
    StateRecord(const StateRecord &) = delete;
    StateRecord &operator=(const StateRecord &) = delete;

    PrnInfoEx *Get() { return &record_; }

private:
    std::vector<PatEngineStatusItem> statusItems_;
    std::vector<PatDeviceItem> deviceItems_;
    PrnInfoEx record_ = {};
};
