#include "status_info_tree.h"

#include <string.h>

namespace {

template <typename Item>
void ChainItems(std::vector<Item> *items) {
    for (size_t i = 0; i + 1 < items->size(); ++i) (*items)[i].pNext = &(*items)[i + 1];
}

}  // namespace

StatusInfoTree::StatusInfoTree(uint32_t sourceType, const PrinterCondition &condition)
    : statusItems_(condition.statusCodes.size()), deviceItems_(condition.options.size()) {
    for (size_t i = 0; i < statusItems_.size(); ++i) {
        PatEngineStatusItem &item = statusItems_[i];
        item.dwSize = sizeof item;
        item.dwStatusCode = condition.statusCodes[i];
        strncpy(item.szText, condition.statusText, sizeof item.szText - 1);
    }
    for (size_t i = 0; i < deviceItems_.size(); ++i) {
        deviceItems_[i].dwSize = sizeof deviceItems_[i];
        deviceItems_[i].wId = condition.options[i];
    }
    ChainItems(&statusItems_);
    ChainItems(&deviceItems_);

    baseRecord_.dwVersion = PAT_PRNINFOEX_MIN_VERSION;
    baseRecord_.nEngineStatus = static_cast<uint32_t>(statusItems_.size());
    baseRecord_.pEngineStatus = statusItems_.empty() ? nullptr : statusItems_.data();
    baseRecord_.nDeviceInfo = static_cast<uint32_t>(deviceItems_.size());
    baseRecord_.pDeviceInfo = deviceItems_.empty() ? nullptr : deviceItems_.data();
    baseRecord_.bNoResponse = condition.noResponse ? 1 : 0;
    // The override record supplies nothing of its own.
    overrideRecord_.dwVersion = PAT_PRNINFOEX_MIN_VERSION;

    root_.dwId = PAT_TREE_STATUS_ROOT;
    Link(&overrideNode_, PAT_TREE_STATUS_OVERRIDE, &overrideRecord_);
    Link(&baseNode_, PAT_STATUS_BASE_NODE_ID(sourceType), &baseRecord_);
}

void StatusInfoTree::Link(RecordNode *node, uint32_t id, PrnInfoEx *record) {
    node->header.dwId = id;
    node->header.pParent = &root_;
    node->header.dwLength = sizeof node->record;
    node->record = record;
    if (root_.pLastChild != nullptr) {
        root_.pLastChild->pNextSibling = &node->header;
    } else {
        root_.pFirstChild = &node->header;
    }
    root_.pLastChild = &node->header;
}
