// PatSetCentroDataTo on a reply tree built from the input: two header bytes
// choose the query and the record's starting state, the rest is the reply
// text, then (after the first NUL) the device ID.  Both payloads are stored
// without a terminator, so reading past them is an overflow the sanitizer sees.
#include <string.h>

#include "common/info_node.h"
#include "platform/platform.h"
#include "prninfo/record.h"
#include "target_support.h"

namespace {

enum HeaderBits : uint8_t {
    kAskState = 0x01,
    kAskConfig = 0x02,
    kAskTrays = 0x04,
    kAskBins = 0x08,
    kNoQuery = 0x10,
    kEmulationQuery = 0x20,
    kRecordListsTrays = 0x40,
};

const uint16_t kTrayIds[] = {3, 4, 5, 6, 11, 1};

uint32_t ItemFlags(uint8_t header) {
    uint32_t flags = 0;
    if (header & kAskState) flags |= PAT_ITEMS_STATE;
    if (header & kAskConfig) flags |= PAT_ITEMS_CONFIGURATION;
    if (header & kAskTrays) flags |= PAT_ITEMS_INPUT_TRAYS;
    if (header & kAskBins) flags |= PAT_ITEMS_OUTPUT_BINS;
    return flags;
}

void ListTrays(PrnInfoEx *record, uint8_t mask) {
    for (int i = 0; i < 6; ++i) {
        if (mask & (1u << i)) FindOrAddItem(HeadField(&record->pTrayInfo), kTrayItemSize, kTrayIds[i], &record->nTrayInfo);
    }
}

PatInfoNode *Query(uint8_t header, uint8_t trayMask) {
    if (header & kNoQuery) return nullptr;
    if (header & kEmulationQuery) return PatCreateEmulUniqQueryInfo(1, 2, 15, 0);
    PrnInfoEx asked = FreshRecord();
    ListTrays(&asked, trayMask);
    PatInfoNode *query = PatCreateQueryInfo(&asked, 2, ItemFlags(header));
    ReleaseWholeRecord(&asked);
    return query;
}

void FreeTree(PatInfoNode *node) {
    while (node != nullptr) {
        PatInfoNode *next = GetNextSibling(node);
        FreeTree(GetFirstChild(node));
        GlobalFree(node);
        node = next;
    }
}

PatInfoNode *ReplyTree(uint8_t header, uint8_t trayMask, const uint8_t *text, size_t size) {
    const uint32_t zema = 15;
    PatInfoNode *root = (header & kEmulationQuery) ? CreateInfoNode(nullptr, PAT_TREE_REPLY_EMUL_ROOT, &zema, 4)
                                                   : CreateInfoNode(nullptr, PAT_TREE_REPLY_ROOT, nullptr, 0);
    if (root == nullptr) return nullptr;
    if (PatInfoNode *query = Query(header, trayMask)) AppendInfoNode(root, query);
    const uint8_t *nul = static_cast<const uint8_t *>(memchr(text, 0, size));
    const size_t replyLength = nul != nullptr ? static_cast<size_t>(nul - text) : size;
    if (replyLength != 0) CreateInfoNode(root, PAT_NODE_PJL_TEXT, text, static_cast<uint32_t>(replyLength));
    if (nul != nullptr && replyLength + 1 < size) {
        CreateInfoNode(root, PAT_NODE_DEVICE_ID, nul + 1, static_cast<uint32_t>(size - replyLength - 1));
    }
    return root;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 2) return 0;
    HeapBalance balance;
    PatInfoNode *tree = ReplyTree(data[0], data[1], data + 2, size - 2);
    PrnInfoEx record = FreshRecord();
    if (data[0] & kRecordListsTrays) ListTrays(&record, data[1]);
    PatSetCentroDataTo(tree, 0, &record, 2);
    CheckCountsMatchChains(record);
    ReleaseWholeRecord(&record);
    FreeTree(tree);
    return 0;
}
