#include "centro_data.h"

#include "common/family_codes.h"
#include "common/info_node.h"
#include "device_id_parser.h"
#include "payload_text.h"
#include "pjl_dispatcher.h"
#include "prninfo/record.h"
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

const PatInfoNode *NonEmptyChild(const PatInfoNode *parent, uint32_t id) {
    const PatInfoNode *child = FindSiblingById(GetFirstChild(parent), id);
    return child != nullptr && child->dwLength != 0 ? child : nullptr;
}

uint32_t OpenText(const PatInfoNode *node, PayloadText *text) {
    return OpenPayloadText(PAT_NODE_PAYLOAD(node), node->dwLength, text);
}

// The reply text as the completeness check read it: the node, its text and
// the tokens read, which the interpretation of the same node takes over.
struct CheckedReply {
    const PatInfoNode *node = nullptr;
    PayloadText text = {};
    TokenRecording recording;
};

// Was every question of the attached query answered?  PAT_OK when the tree
// holds no attached query or the reply answers it completely, else the
// error; the reply's text stays open in `checked`.
uint32_t CheckReplyCompleteness(PatInfoNode *replyRoot, CheckedReply *checked) {
    const PatInfoNode *query = FindSiblingById(GetFirstChild(replyRoot), PAT_TREE_QUERY_ROOT);
    if (query == nullptr) return PAT_OK;
    if (FindSiblingById(GetFirstChild(query), PAT_NODE_DEVICE_ID) != nullptr &&
        NonEmptyChild(replyRoot, PAT_NODE_DEVICE_ID) == nullptr) {
        return PAT_ERROR_INCOMPLETE_REPLY;
    }
    const PatInfoNode *queryNode = FindSiblingById(GetFirstChild(query), PAT_NODE_PJL_TEXT);
    if (queryNode == nullptr) return PAT_OK;
    checked->node = NonEmptyChild(replyRoot, PAT_NODE_PJL_TEXT);
    if (checked->node == nullptr) return PAT_ERROR_INCOMPLETE_REPLY;
    PayloadText queryText = {};
    uint32_t result = OpenText(queryNode, &queryText);
    if (result == PAT_OK) result = OpenText(checked->node, &checked->text);
    if (result == PAT_OK) result = CompareQueryWithReply(queryText.text, checked->text.text, &checked->recording);
    ClosePayloadText(&queryText);
    return result;
}

uint32_t InterpretReplyText(const PatInfoNode *child, PrnInfoEx *record, const CheckedReply &checked) {
    if (child == checked.node) {
        RunPjlDispatcher(checked.text.text, record, kReplyDispatchIndex, &checked.recording);
        return PAT_OK;
    }
    PayloadText text = {};
    const uint32_t result = OpenText(child, &text);
    if (result != PAT_OK) return result;
    RunPjlDispatcher(text.text, record, kReplyDispatchIndex, nullptr);
    ClosePayloadText(&text);
    return PAT_OK;
}

uint32_t InterpretChild(const PatInfoNode *child, PrnInfoEx *record, const CheckedReply &checked) {
    switch (child->dwId) {
        case PAT_NODE_PJL_TEXT:
            if (child->dwLength == 0) return PAT_ERROR_INVALID_PARAMETER;
            return InterpretReplyText(child, record, checked);
        case PAT_NODE_DEVICE_ID:
            if (child->dwLength == 0) return PAT_ERROR_INVALID_PARAMETER;
            return ParseDeviceId(static_cast<const char *>(PAT_NODE_PAYLOAD(child)), child->dwLength, record);
        default: return PAT_OK;
    }
}

// The levels of the reply tree that are read: the root's children and those
// of the query tree attached to it.  Checked whole before anything is written.
bool ReplyTreeEnds(PatInfoNode *replyRoot) {
    uint32_t nodeBudget = PAT_MAX_TREE_NODES;
    if (!ChildChainEnds(replyRoot, &nodeBudget)) return false;
    return ChildChainEnds(FindSiblingById(GetFirstChild(replyRoot), PAT_TREE_QUERY_ROOT), &nodeBudget) != 0;
}

uint32_t Interpret(PatInfoNode *replyRoot, PrnInfoEx *record, CheckedReply *checked) {
    // The check reads the reply first and keeps the tokens it read, so the
    // interpretation does not read them again.
    const uint32_t completeness = CheckReplyCompleteness(replyRoot, checked);
    if (completeness != PAT_OK) return completeness;
    if (!EmulationRootIsValid(replyRoot)) return PAT_ERROR_INVALID_PARAMETER;
    for (const PatInfoNode *child = GetFirstChild(replyRoot); child != nullptr; child = GetNextSibling(child)) {
        const uint32_t error = InterpretChild(child, record, *checked);
        if (error != PAT_OK) return error;
    }
    return PAT_OK;
}

}  // namespace

uint32_t SetCentroData(PatInfoNode *replyRoot, PrnInfoEx *record) {
    if (!IsReplyRoot(replyRoot) || record->dwVersion < PAT_PRNINFOEX_MIN_VERSION) {
        return PAT_ERROR_INVALID_PARAMETER;
    }
    if (!ReplyTreeEnds(replyRoot) || CheckRecordLists(record) != PAT_OK) return PAT_ERROR_INVALID_PARAMETER;
    CheckedReply checked;
    const uint32_t result = Interpret(replyRoot, record, &checked);
    ClosePayloadText(&checked.text);
    return result;
}
