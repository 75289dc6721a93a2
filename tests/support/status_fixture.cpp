#include "support/status_fixture.h"

#include <gtest/gtest.h>
#include <string.h>

#include "common/info_node.h"
#include "platform/platform.h"

namespace {

template <typename Item>
Item *LastOf(Item *first) {
    while (first != nullptr && first->pNext != nullptr) first = first->pNext;
    return first;
}

void FreeTree(PatInfoNode *node) {
    while (node != nullptr) {
        PatInfoNode *next = node->pNextSibling;
        FreeTree(node->pFirstChild);
        GlobalFree(node);
        node = next;
    }
}

}  // namespace

TestRecord::TestRecord() {
    memset(&record, 0, sizeof record);
    record.dwVersion = PAT_PRNINFOEX_MIN_VERSION;
    record.bModelIndex = 255;
}

TestRecord &TestRecord::WithStatus(uint32_t code, const char *text) {
    PatEngineStatusItem &item = engineStatus_.emplace_back();
    memset(&item, 0, sizeof item);
    item.dwSize = sizeof item;
    item.wId = static_cast<uint16_t>(code);
    item.dwStatusCode = code;
    strncpy(item.szText, text, sizeof item.szText - 1);
    if (PatEngineStatusItem *last = LastOf(record.pEngineStatus)) {
        last->pNext = &item;
    } else {
        record.pEngineStatus = &item;
    }
    ++record.nEngineStatus;
    return *this;
}

TestRecord &TestRecord::WithStatuses(std::initializer_list<uint32_t> codes) {
    for (uint32_t code : codes) WithStatus(code);
    return *this;
}

TestRecord &TestRecord::WithOption(uint16_t optionId) {
    PatDeviceItem &item = devices_.emplace_back();
    memset(&item, 0, sizeof item);
    item.dwSize = sizeof item;
    item.wId = optionId;
    if (PatDeviceItem *last = LastOf(record.pDeviceInfo)) {
        last->pNext = &item;
    } else {
        record.pDeviceInfo = &item;
    }
    ++record.nDeviceInfo;
    return *this;
}

TestRecord &TestRecord::NoResponse() {
    record.bNoResponse = 1;
    return *this;
}

StatusTree::StatusTree(uint32_t rootId) : root_(CreateInfoNode(nullptr, rootId, nullptr, 0)) {
    EXPECT_NE(root_, nullptr);
}

StatusTree::StatusTree(uint32_t sourceType, const PrnInfoEx *override, const PrnInfoEx *base)
    : StatusTree(PAT_TREE_STATUS_ROOT) {
    RecordChild(PAT_TREE_STATUS_OVERRIDE, override);
    RecordChild(PAT_STATUS_BASE_NODE_ID(sourceType), base);
}

StatusTree::~StatusTree() {
    if (root_ != nullptr) FreeTree(root_->pFirstChild);
    GlobalFree(root_);
}

StatusTree &StatusTree::Child(uint32_t id, const void *payload, uint32_t length) {
    EXPECT_NE(CreateInfoNode(root_, id, payload, length), nullptr);
    return *this;
}

StatusTree &StatusTree::RecordChild(uint32_t id, const PrnInfoEx *record) {
    return Child(id, &record, sizeof record);
}

const PrnInfoEx *EmptyOverride() {
    static PrnInfoEx override = [] {
        PrnInfoEx r;
        memset(&r, 0, sizeof r);
        r.dwVersion = PAT_PRNINFOEX_MIN_VERSION;
        r.bModelIndex = 255;
        return r;
    }();
    return &override;
}
