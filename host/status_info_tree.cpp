#include "status_info_tree.h"

#include <string.h>

StatusInfoTree::StatusInfoTree(uint32_t sourceType, PrnInfoEx *baseRecord) {
    memset(&overrideRecord_, 0, sizeof overrideRecord_);
    overrideRecord_.dwVersion = PAT_PRNINFOEX_MIN_VERSION;
    // These two always come from the override record; keep the base's.
    overrideRecord_.dwMemoryKB = baseRecord->dwMemoryKB;
    overrideRecord_.bModelIndex = baseRecord->bModelIndex;
    root_.dwId = PAT_TREE_STATUS_ROOT;
    Append(&overrideNode_, PAT_TREE_STATUS_OVERRIDE, &overrideRecord_);
    Append(&baseNode_, PAT_STATUS_BASE_NODE_ID(sourceType), baseRecord);
}

void StatusInfoTree::Append(RecordNode *node, uint32_t id, PrnInfoEx *record) {
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
