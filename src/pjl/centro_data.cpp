#include "centro_data.h"

#include "common/family_codes.h"
#include "common/info_node.h"
#include "device_id_parser.h"
#include "prninfo/record.h"
#include "pjl_dispatcher.h"
#include "reply_completeness.h"

namespace {

bool IsReplyRoot(const PatInfoNode *root) {
    return root->dwId == PAT_TREE_REPLY_ROOT || root->dwId == PAT_TREE_REPLY_EMUL_ROOT;
}

// A root with id 3 answers the emulation query and names its emulation.
bool EmulationRootIsValid(const PatInfoNode *root) {
    if (root->dwId != PAT_TREE_REPLY_EMUL_ROOT) return true;
    uint32_t emulation = 0;
    return CopyNodePayload(root, &emulation, sizeof emulation, kPayloadExactly) && emulation == kEmulationZema;
}

const char *PayloadText(const PatInfoNode *node) { return static_cast<const char *>(PAT_NODE_PAYLOAD(node)); }

// A text payload is a bounded text (bounded_text.h).

uint32_t InterpretChild(const PatInfoNode *child, PrnInfoEx *record, const TokenRecording &recording) {
    switch (child->dwId) {
        case PAT_NODE_PJL_TEXT:
            if (child->dwLength == 0) return PAT_ERROR_INVALID_PARAMETER;
            RunPjlDispatcher(PayloadText(child), child->dwLength, record, kReplyDispatchIndex, &recording);
            return 0;
        case PAT_NODE_DEVICE_ID:
            if (child->dwLength == 0) return PAT_ERROR_INVALID_PARAMETER;
            return ParseDeviceId(PayloadText(child), child->dwLength, record);
        default: return 0;
    }
}

// The levels of the reply tree that are read: the root's children and those
// of the query tree attached to it.  Checked whole before anything is written.
bool ReplyTreeEnds(PatInfoNode *replyRoot) {
    uint32_t nodeBudget = PAT_MAX_TREE_NODES;
    if (!ChildChainEnds(replyRoot, &nodeBudget)) return false;
    return ChildChainEnds(FindSiblingById(GetFirstChild(replyRoot), PAT_TREE_QUERY_ROOT), &nodeBudget) != 0;
}

}  // namespace

uint32_t SetCentroData(PatInfoNode *replyRoot, PrnInfoEx *record) {
    if (!IsReplyRoot(replyRoot) || record->dwVersion < PAT_PRNINFOEX_MIN_VERSION) {
        return PAT_ERROR_INVALID_PARAMETER;
    }
    if (!ReplyTreeEnds(replyRoot) || CheckRecordLists(record) != PAT_OK) return PAT_ERROR_INVALID_PARAMETER;
    // The check reads the reply first and keeps the tokens it read, so the
    // interpretation does not read them again.
    TokenRecording recording;
    const uint32_t completeness = CheckReplyCompleteness(replyRoot, &recording);
    if (completeness != 0) return completeness;
    if (!EmulationRootIsValid(replyRoot)) return PAT_ERROR_INVALID_PARAMETER;
    for (const PatInfoNode *child = GetFirstChild(replyRoot); child != nullptr; child = GetNextSibling(child)) {
        const uint32_t error = InterpretChild(child, record, recording);
        if (error != 0) return error;
    }
    return 0;
}
