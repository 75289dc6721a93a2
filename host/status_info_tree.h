// A status information tree as a host builds it for PatGetStatusString and
// PatCreateBitmapInfo: root 10 with the override node (2) and the base node
// of the source type, each carrying a pointer to a printer information record.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <memory>
#include <vector>

#include "pat.h"

// What the host knows of a printer, in the terms the status exports read.
struct PrinterCondition {
    std::vector<uint32_t> statusCodes;   // engine status list, in order
    std::vector<uint16_t> options;       // installed option ids (pDeviceInfo), in order
    bool noResponse = false;
    const char *statusText = "";         // text of every engine-status item (service codes)
};

class StatusInfoTree {
public:
    StatusInfoTree(uint32_t sourceType, const PrinterCondition &condition);
    StatusInfoTree(const StatusInfoTree &) = delete;
    StatusInfoTree &operator=(const StatusInfoTree &) = delete;

    PatInfoNode *Root() { return &root_; }

private:
    // One info node with a 4-byte payload: a record pointer.
    struct RecordNode {
        PatInfoNode header;
        PrnInfoEx *record;
    };
    static_assert(offsetof(RecordNode, record) == sizeof(PatInfoNode), "the payload follows the node header");

    void Link(RecordNode *node, uint32_t id, PrnInfoEx *record);

    PatInfoNode root_ = {};
    RecordNode overrideNode_ = {};
    RecordNode baseNode_ = {};
    PrnInfoEx overrideRecord_ = {};
    PrnInfoEx baseRecord_ = {};
    std::vector<PatEngineStatusItem> statusItems_;
    std::vector<PatDeviceItem> deviceItems_;
};
