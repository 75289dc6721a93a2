// The status information tree a host hands to the status exports (root 10,
// override node 2, one base node for the source type), built around host
// records.  Header-only, with nothing from the library, so that tests of the
// DLL under Wine build their trees the same way as the native tests.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <vector>

#include "pat.h"

// Id of the base node that carries the record of a source type.
inline uint32_t BaseNodeId(uint32_t sourceType) {
    switch (sourceType & 0xFFFFu) {
        case 1: return 1;
        case 2: return 3;
        case 4: return 5;
        case 8: return 4;
        case 0x8000: return 10;
        default: return 0;
    }
}

// A printer record as the host keeps it: status codes in pEngineStatus and
// installed options in pDeviceInfo, in the order given.  The items live in
// the object, which must therefore stay where it was built.
struct HostRecord {
    PrnInfoEx record;
    std::vector<PatEngineStatusItem> statuses;
    std::vector<PatDeviceItem> options;

    HostRecord(const std::vector<uint32_t> &codes, const std::vector<uint16_t> &optionIds,
               bool noResponse = false)
        : record(), statuses(codes.size()), options(optionIds.size()) {
        record.dwVersion = PAT_PRNINFOEX_MIN_VERSION;
        record.bNoResponse = noResponse ? 1 : 0;
        size_t i = 0;
        for (uint32_t code : codes) {
            PatEngineStatusItem &item = statuses[i++];
            item = PatEngineStatusItem();
            item.pNext = i < statuses.size() ? &statuses[i] : nullptr;
            item.dwSize = sizeof item;
            item.wId = static_cast<uint16_t>(code);
            item.dwStatusCode = code;
        }
        i = 0;
        for (uint16_t id : optionIds) {
            PatDeviceItem &item = options[i++];
            item = PatDeviceItem();
            item.pNext = i < options.size() ? &options[i] : nullptr;
            item.dwSize = sizeof item;
            item.wId = id;
        }
        record.nEngineStatus = static_cast<uint32_t>(statuses.size());
        record.pEngineStatus = statuses.empty() ? nullptr : &statuses[0];
        record.nDeviceInfo = static_cast<uint32_t>(options.size());
        record.pDeviceInfo = options.empty() ? nullptr : &options[0];
    }
    HostRecord(const HostRecord &) = delete;
    HostRecord &operator=(const HostRecord &) = delete;
};

// An info node whose payload is one record pointer, laid out as the library
// reads it: the 24-byte header, then the payload.
struct RecordNode {
    PatInfoNode header;
    PrnInfoEx *record;
};
static_assert(offsetof(RecordNode, record) == sizeof(PatInfoNode), "payload follows the header");

// The tree for one source type: the base node for the source type carries
// `base`; the override node carries `override`, or a record that overrides
// nothing but dwMemoryKB and bModelIndex (taken from `base`).  Must stay
// where it was built.
struct StatusTree {
    PatInfoNode root;
    RecordNode overrideNode;
    RecordNode baseNode;
    PrnInfoEx emptyOverride;

    StatusTree(uint32_t sourceType, PrnInfoEx *base, PrnInfoEx *override = nullptr)
        : root(), overrideNode(), baseNode(), emptyOverride() {
        emptyOverride.dwVersion = PAT_PRNINFOEX_MIN_VERSION;
        emptyOverride.dwMemoryKB = base->dwMemoryKB;
        emptyOverride.bModelIndex = base->bModelIndex;
        root.dwId = PAT_TREE_STATUS_ROOT;
        Attach(&overrideNode, PAT_TREE_STATUS_OVERRIDE, override != nullptr ? override : &emptyOverride);
        Attach(&baseNode, BaseNodeId(sourceType), base);
    }
    StatusTree(const StatusTree &) = delete;
    StatusTree &operator=(const StatusTree &) = delete;

    PatInfoNode *Root() { return &root; }

private:
    void Attach(RecordNode *node, uint32_t id, PrnInfoEx *record) {
        node->header.dwId = id;
        node->header.pParent = &root;
        node->header.dwLength = sizeof(PrnInfoEx *);
        node->record = record;
        if (root.pLastChild != nullptr) {
            root.pLastChild->pNextSibling = &node->header;
        } else {
            root.pFirstChild = &node->header;
        }
        root.pLastChild = &node->header;
    }
};
