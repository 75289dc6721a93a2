// The status information tree a host hands to PatGetStatusString and
// PatCreateBitmapInfo: root 10, the override node (2) and the base node of
// the source type, each carrying a pointer to a printer information record.
// The host's own override record supplies nothing, so the status is the
// base record's.
#pragma once

#include "pat.h"

class RecordStatusTree {
public:
    RecordStatusTree(uint32_t sourceType, PrnInfoEx *baseRecord);
    RecordStatusTree(const RecordStatusTree &) = delete;
    RecordStatusTree &operator=(const RecordStatusTree &) = delete;

    PatInfoNode *Root() { return &root_; }

private:
    struct RecordNode {
        PatInfoNode header;
        PrnInfoEx *record;
    };

    void Append(RecordNode *node, uint32_t id, PrnInfoEx *record);

    PatInfoNode root_;
    RecordNode overrideNode_;
    RecordNode baseNode_;
    PrnInfoEx overrideRecord_;
};
