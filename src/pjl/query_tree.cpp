#include "query_tree.h"

#include <string.h>

#include "common/family_codes.h"
#include "common/info_node.h"
#include "platform/platform.h"
#include "prninfo/record.h"
#include "query_text.h"

namespace {

constexpr uint32_t kQueryTextBufferSize = 1024;

// A query tree is one level deep: the root and its children.
void ReleaseQueryTree(PatInfoNode *root) {
    PatInfoNode *child = GetFirstChild(root);
    while (child != nullptr) {
        PatInfoNode *next = GetNextSibling(child);
        GlobalFree(child);
        child = next;
    }
    GlobalFree(root);
}

uint32_t ReleaseAndReport(PatInfoNode *root, uint32_t error) {
    ReleaseQueryTree(root);
    return error;
}

bool AppendTextNode(PatInfoNode *root, const char *text, uint32_t length) {
    return CreateInfoNode(root, PAT_NODE_PJL_TEXT, text, length + 1) != nullptr;
}

// The usual query fits the fixed buffer; a tray list with many repeated ids
// may not, and then the text is composed again into a block of its full size
// rather than being cut.
uint32_t AppendQueryText(PatInfoNode *root, const PrnInfoEx *record, uint32_t itemFlags) {
    char buffer[kQueryTextBufferSize];
    QueryText text;
    QueryTextBegin(&text, buffer, sizeof buffer);
    if (!ComposeQueryText(record, itemFlags, &text)) return 0;
    if (QueryTextComplete(&text)) {
        return AppendTextNode(root, buffer, static_cast<uint32_t>(text.length)) ? 0 : PAT_ERROR_NOT_ENOUGH_MEMORY;
    }
    if (text.length >= 0x7FFFFFF0u) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    const uint32_t size = static_cast<uint32_t>(text.length) + 1;
    char *large = static_cast<char *>(GlobalAlloc(GMEM_FIXED, size));
    if (large == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    QueryTextBegin(&text, large, size);
    ComposeQueryText(record, itemFlags, &text);
    const bool appended = AppendTextNode(root, large, size - 1);
    GlobalFree(large);
    return appended ? 0 : PAT_ERROR_NOT_ENOUGH_MEMORY;
}

}  // namespace

uint32_t BuildQueryTree(const PrnInfoEx *record, uint32_t itemFlags, PatInfoNode **root) {
    *root = nullptr;
    PatInfoNode *tree = CreateInfoNode(nullptr, PAT_TREE_QUERY_ROOT, nullptr, 0);
    if (tree == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    if (record->dwVersion < PAT_PRNINFOEX_MIN_VERSION) return ReleaseAndReport(tree, PAT_ERROR_INVALID_PARAMETER);
    if ((itemFlags & PAT_ITEMS_INPUT_TRAYS) && CheckItemChain(record->pTrayInfo) != PAT_OK) {
        return ReleaseAndReport(tree, PAT_ERROR_INVALID_PARAMETER);
    }
    if (QueryAsksForDeviceId(itemFlags) && CreateInfoNode(tree, PAT_NODE_DEVICE_ID, nullptr, 0) == nullptr) {
        return ReleaseAndReport(tree, PAT_ERROR_NOT_ENOUGH_MEMORY);
    }
    const uint32_t error = AppendQueryText(tree, record, itemFlags);
    if (error != 0) return ReleaseAndReport(tree, error);
    *root = tree;
    return 0;
}

uint32_t BuildEmulUniqQueryTree(uint32_t emulationCode, PatInfoNode **root) {
    *root = nullptr;
    PatInfoNode *tree = CreateInfoNode(nullptr, PAT_TREE_QUERY_ROOT, nullptr, 0);
    if (tree == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    if ((emulationCode & 0xFFFFu) != kEmulationZema) return ReleaseAndReport(tree, PAT_ERROR_INVALID_PARAMETER);
    if (!CreateInfoNode(tree, PAT_NODE_PJL_TEXT, kEmulUniqQueryText,
                        static_cast<uint32_t>(strlen(kEmulUniqQueryText)) + 1)) {
        return ReleaseAndReport(tree, PAT_ERROR_NOT_ENOUGH_MEMORY);
    }
    *root = tree;
    return 0;
}
