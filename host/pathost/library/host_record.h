// The host's printer information records: what it takes to give one back
// (every item and text the library or the host hung into it), and the
// items a host adds itself.
#pragma once

#include <stdint.h>

#include "library/pat_exports.h"

// A record of the version this host speaks, empty.
PrnInfoEx EmptyRecord();

// Releases every list item and text of the record and leaves it empty.
void ReleaseRecord(const PatExports &exports, PrnInfoEx *record);

// A record that starts empty and is released with its owner.
class HostRecord {
public:
    explicit HostRecord(const PatExports &exports) : exports_(exports), record_(EmptyRecord()) {}
    ~HostRecord() { ReleaseRecord(exports_, &record_); }
    HostRecord(const HostRecord &) = delete;
    HostRecord &operator=(const HostRecord &) = delete;

    PrnInfoEx *Get() { return &record_; }

private:
    const PatExports &exports_;
    PrnInfoEx record_;
};

// Appends an engine-status item; false when memory runs out.
bool AddEngineStatus(const PatExports &exports, PrnInfoEx *record, uint32_t code, const char *text);

// Appends an installed-option item; false when memory runs out.
bool AddDeviceInfo(const PatExports &exports, PrnInfoEx *record, uint16_t optionId);
