// A status information tree with its two records, laid out in plain test
// memory the way a host builds them (the library only reads them).  Header
// only, so tests on both sides of the library boundary can use it.
#pragma once

#include <stdint.h>
#include <string.h>

#include <initializer_list>

#include "pat.h"

class StatusScenario {
public:
    static constexpr int kMaxItems = 8;

    // Base record for `sourceType` holding the engine codes and options; an
    // override that supplies nothing but the memory size and model index.
    StatusScenario(uint32_t sourceType, std::initializer_list<uint32_t> codes = {},
                   std::initializer_list<uint16_t> options = {}) {
        base_.dwVersion = override_.dwVersion = PAT_PRNINFOEX_MIN_VERSION;
        for (uint32_t code : codes) WithStatus(code);
        for (uint16_t option : options) WithOption(option);
        InitNode(root_, PAT_TREE_STATUS_ROOT, nullptr, 0);
        InitNode(overrideNode_.header, PAT_TREE_STATUS_OVERRIDE, &root_, sizeof(PrnInfoEx *));
        InitNode(baseNode_.header, PAT_STATUS_BASE_NODE_ID(sourceType), &root_, sizeof(PrnInfoEx *));
        overrideNode_.record = &override_;
        baseNode_.record = &base_;
        root_.pFirstChild = &overrideNode_.header;
        overrideNode_.header.pNextSibling = &baseNode_.header;
        root_.pLastChild = &baseNode_.header;
    }
    StatusScenario(const StatusScenario &) = delete;
    StatusScenario &operator=(const StatusScenario &) = delete;

    StatusScenario &NoResponse() {
        base_.bNoResponse = 1;
        return *this;
    }
    // Appends an engine-status item with the text that came with it.
    StatusScenario &WithStatus(uint32_t code, const char *text = "") {
        PatEngineStatusItem &item = items_[base_.nEngineStatus];
        item.dwSize = sizeof item;
        item.wId = static_cast<uint16_t>(code);
        item.dwStatusCode = code;
        strncpy(item.szText, text, sizeof item.szText - 1);
        if (base_.nEngineStatus > 0) items_[base_.nEngineStatus - 1].pNext = &item;
        base_.pEngineStatus = &items_[0];
        ++base_.nEngineStatus;
        return *this;
    }
    StatusScenario &WithOption(uint16_t id) {
        PatDeviceItem &item = devices_[base_.nDeviceInfo];
        item.dwSize = sizeof item;
        item.wId = id;
        if (base_.nDeviceInfo > 0) devices_[base_.nDeviceInfo - 1].pNext = &item;
        base_.pDeviceInfo = &devices_[0];
        ++base_.nDeviceInfo;
        return *this;
    }

    PatInfoNode *root() { return &root_; }
    PrnInfoEx *base() { return &base_; }

private:
    struct RecordNode {
        PatInfoNode header;
        const PrnInfoEx *record;  // the payload, right after the header
    };
    static_assert(sizeof(RecordNode) == sizeof(PatInfoNode) + sizeof(PrnInfoEx *), "payload follows header");

    static void InitNode(PatInfoNode &node, uint32_t id, PatInfoNode *parent, uint32_t length) {
        node.dwId = id;
        node.pParent = parent;
        node.dwLength = length;
    }

    PatInfoNode root_ = {};
    RecordNode overrideNode_ = {};
    RecordNode baseNode_ = {};
    PrnInfoEx override_ = {};
    PrnInfoEx base_ = {};
    PatEngineStatusItem items_[kMaxItems] = {};
    PatDeviceItem devices_[kMaxItems] = {};
};
