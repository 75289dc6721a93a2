// The status information tree a host hands to PatGetStatusString and
// PatCreateBitmapInfo: root 10, the override node (2) and the base node of
// the source type, each carrying a pointer to a printer information record.
// The host's own override record supplies nothing, so the status is the
// base record's.  The tree is the host's own memory, not the global heap's.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "pat.h"

class StatusInfoTree {
public:
    StatusInfoTree(uint32_t sourceType, PrnInfoEx *baseRecord);
    StatusInfoTree(const StatusInfoTree &) = delete;
    StatusInfoTree &operator=(const StatusInfoTree &) = delete;

    PatInfoNode *Root() { return &root_; }

private:
    // One info node whose payload is a record pointer.
    struct RecordNode {
        PatInfoNode header;
        PrnInfoEx *record;
    };
    static_assert(offsetof(RecordNode, record) == sizeof(PatInfoNode), "the payload follows the node header");

    void Append(RecordNode *node, uint32_t id, PrnInfoEx *record);

    PatInfoNode root_ = {};
    RecordNode overrideNode_ = {};
    RecordNode baseNode_ = {};
    PrnInfoEx overrideRecord_ = {};
};
