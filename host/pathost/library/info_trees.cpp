#include "library/info_trees.h"

#include <string.h>

PatInfoNode *NewInfoNode(const PatExports &exports, PatInfoNode *parent, uint32_t id, const void *payload,
                         uint32_t length) {
    auto *node = static_cast<PatInfoNode *>(exports.GlobalAlloc(kZeroFilledFixedBlock, sizeof(PatInfoNode) + length));
    if (node == nullptr) return nullptr;
    node->dwId = id;
    node->dwLength = length;
    if (length != 0) memcpy(PAT_NODE_PAYLOAD(node), payload, length);
    if (parent != nullptr) AttachInfoNode(parent, node);
    return node;
}

void AttachInfoNode(PatInfoNode *parent, PatInfoNode *child) {
    child->pParent = parent;
    if (parent->pLastChild != nullptr) {
        parent->pLastChild->pNextSibling = child;
    } else {
        parent->pFirstChild = child;
    }
    parent->pLastChild = child;
}

PatInfoNode *FindChild(PatInfoNode *parent, uint32_t id) {
    for (PatInfoNode *child = parent->pFirstChild; child != nullptr; child = child->pNextSibling) {
        if (child->dwId == id) return child;
    }
    return nullptr;
}

void FreeInfoTree(const PatExports &exports, PatInfoNode *root) {
    if (root == nullptr) return;
    PatInfoNode *child = root->pFirstChild;
    while (child != nullptr) {
        PatInfoNode *next = child->pNextSibling;
        FreeInfoTree(exports, child);
        child = next;
    }
    exports.GlobalFree(root);
}
