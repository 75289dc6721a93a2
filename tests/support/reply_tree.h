// Reply trees as a host builds them: root 2 (or 3), the query tree it sent,
// the reply text and the device ID.  Header only: the Wine tests use it too,
// so nodes are laid out by hand rather than with the library's own functions.
#pragma once

#include <string.h>

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include "platform/platform.h"
#endif

#include "pat.h"

inline PatInfoNode *MakeTestNode(uint32_t id, const void *payload, uint32_t length) {
    auto *node = static_cast<PatInfoNode *>(GlobalAlloc(GPTR, sizeof(PatInfoNode) + length));
    if (node == nullptr) return nullptr;
    node->dwId = id;
    node->dwLength = length;
    if (length != 0) memcpy(PAT_NODE_PAYLOAD(node), payload, length);
    return node;
}

inline PatInfoNode *AttachTestNode(PatInfoNode *parent, PatInfoNode *child) {
    child->pParent = parent;
    if (parent->pLastChild != nullptr) {
        parent->pLastChild->pNextSibling = child;
    } else {
        parent->pFirstChild = child;
    }
    parent->pLastChild = child;
    return child;
}

// A text child with its terminating NUL in the payload, as hosts send it; an
// empty text gives an empty payload (length 0), as a host that read nothing.
inline PatInfoNode *AttachText(PatInfoNode *parent, uint32_t id, const std::string &text) {
    const uint32_t length = text.empty() ? 0 : static_cast<uint32_t>(text.size() + 1);
    return AttachTestNode(parent, MakeTestNode(id, text.c_str(), length));
}

inline void FreeTestTree(PatInfoNode *node) {
    while (node != nullptr) {
        PatInfoNode *next = node->pNextSibling;
        FreeTestTree(node->pFirstChild);
        GlobalFree(node);
        node = next;
    }
}

// Root 2 with the query (may be null: then no check is made), the reply and
// the device ID (each left out when null).
inline PatInfoNode *MakeReplyTree(PatInfoNode *query, const char *reply, const char *deviceId) {
    PatInfoNode *root = MakeTestNode(PAT_TREE_REPLY_ROOT, nullptr, 0);
    if (query != nullptr) AttachTestNode(root, query);
    if (reply != nullptr) AttachText(root, PAT_NODE_PJL_TEXT, reply);
    if (deviceId != nullptr) AttachText(root, PAT_NODE_DEVICE_ID, deviceId);
    return root;
}
