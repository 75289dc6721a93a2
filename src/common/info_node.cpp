#include "info_node.h"

#include <string.h>

#include "platform/platform.h"

namespace {

bool PayloadLengthFits(const PatInfoNode *node, uint32_t length, int rule) {
    if (length > node->dwLength && rule != kPayloadAtMost) return false;
    if (length < node->dwLength && rule != kPayloadAtLeast) return false;
    return true;
}

}  // namespace

PatInfoNode *CreateInfoNode(PatInfoNode *parent, uint32_t id, const void *source, uint32_t length) {
    if (source == nullptr && length != 0) return nullptr;
    if (length > 0xFFFFFFFFu - sizeof(PatInfoNode)) return nullptr;
    auto *node = static_cast<PatInfoNode *>(GlobalAlloc(GMEM_FIXED, sizeof(PatInfoNode) + length));
    if (node == nullptr) return nullptr;
    node->dwId = id;
    node->pParent = nullptr;
    node->pFirstChild = nullptr;
    node->pNextSibling = nullptr;
    node->pLastChild = nullptr;
    node->dwLength = length;
    if (source != nullptr && length != 0) memcpy(PAT_NODE_PAYLOAD(node), source, length);
    AppendInfoNode(parent, node);
    return node;
}

int AppendInfoNode(PatInfoNode *parent, PatInfoNode *child) {
    if (parent == nullptr || child == nullptr) return 0;
    if (child->pParent != nullptr || child->pNextSibling != nullptr) return 0;
    child->pParent = parent;
    if (parent->pLastChild != nullptr) {
        parent->pLastChild->pNextSibling = child;
    } else {
        parent->pFirstChild = child;
    }
    parent->pLastChild = child;
    return 1;
}

int CopyNodePayload(const PatInfoNode *node, void *destination, uint32_t length, int rule) {
    if (node == nullptr || destination == nullptr) return 0;
    if (!PayloadLengthFits(node, length, rule)) return 0;
    // A shorter payload accepted under the at-most rule is copied whole, never more.
    const uint32_t copied = length < node->dwLength ? length : node->dwLength;
    if (copied != 0) memcpy(destination, PAT_NODE_PAYLOAD(node), copied);
    return 1;
}

int GetNodeInfo(const PatInfoNode *node, uint32_t *idOut, uint32_t *lengthOut) {
    if (node == nullptr) return 0;
    if (idOut != nullptr) *idOut = node->dwId;
    if (lengthOut != nullptr) *lengthOut = node->dwLength;
    return 1;
}

PatInfoNode *GetFirstChild(const PatInfoNode *node) { return node == nullptr ? nullptr : node->pFirstChild; }

PatInfoNode *GetNextSibling(const PatInfoNode *node) { return node == nullptr ? nullptr : node->pNextSibling; }

PatInfoNode *FindSiblingById(PatInfoNode *node, uint32_t id) {
    for (uint32_t visited = 0; node != nullptr && visited < PAT_MAX_TREE_NODES; node = node->pNextSibling, ++visited) {
        if (node->dwId == id) return node;
    }
    return nullptr;
}

int ChildChainEnds(const PatInfoNode *parent, uint32_t *nodeBudget) {
    for (const PatInfoNode *child = GetFirstChild(parent); child != nullptr; child = child->pNextSibling) {
        if (*nodeBudget == 0) return 0;
        --*nodeBudget;
    }
    return 1;
}
