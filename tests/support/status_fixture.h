// Status input for tests: a printer information record whose engine-status
// and option items live in test memory (the library only reads them), and a
// status information tree that points at such records.
#pragma once

#include <stdint.h>

#include <deque>
#include <initializer_list>

#include "pat.h"

class TestRecord {
public:
    TestRecord();
    TestRecord(const TestRecord &) = delete;
    TestRecord &operator=(const TestRecord &) = delete;

    // Appends an engine-status item; the count beside the chain follows it.
    TestRecord &WithStatus(uint32_t code, const char *text = "");
    TestRecord &WithStatuses(std::initializer_list<uint32_t> codes);
    TestRecord &WithOption(uint16_t optionId);
    TestRecord &NoResponse();

    PrnInfoEx record;

private:
    std::deque<PatEngineStatusItem> engineStatus_;
    std::deque<PatDeviceItem> devices_;
};

// Owns the nodes it creates (global heap) and frees them all at the end.
class StatusTree {
public:
    explicit StatusTree(uint32_t rootId = PAT_TREE_STATUS_ROOT);
    // The usual tree: override node 2, then the base node of the source type.
    StatusTree(uint32_t sourceType, const PrnInfoEx *override, const PrnInfoEx *base);
    ~StatusTree();
    StatusTree(const StatusTree &) = delete;
    StatusTree &operator=(const StatusTree &) = delete;

    StatusTree &Child(uint32_t id, const void *payload, uint32_t length);
    StatusTree &RecordChild(uint32_t id, const PrnInfoEx *record);
    PatInfoNode *root() const { return root_; }

private:
    PatInfoNode *root_;
};

// A record that supplies nothing, for trees whose base record says it all.
const PrnInfoEx *EmptyOverride();
