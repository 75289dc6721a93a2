#include "status_input.h"

#include <string.h>

#include "common/info_node.h"
#include "prninfo/record.h"

namespace {

// The record pointer in the first child with this id; null when the child is
// missing or its payload is not exactly one pointer.
const PrnInfoEx *RecordOfChild(PatInfoNode *root, uint32_t id) {
    const PrnInfoEx *record = nullptr;
    PatInfoNode *node = FindSiblingById(GetFirstChild(root), id);
    if (!CopyNodePayload(node, &record, sizeof record, kPayloadExactly)) return nullptr;
    return record;
}

bool IsAcceptableRecord(const PrnInfoEx *record) {
    return record != nullptr && record->dwVersion >= PAT_PRNINFOEX_MIN_VERSION;
}

template <typename Field>
void CopyIfSet(Field PrnInfoEx::*field, const PrnInfoEx &from, PrnInfoEx &to) {
    if (from.*field != nullptr) to.*field = from.*field;
}

// A list is taken from the override only together with its count.
template <typename Item>
void CopyListIfSet(uint32_t PrnInfoEx::*count, Item *PrnInfoEx::*head, const PrnInfoEx &from, PrnInfoEx &to) {
    if (from.*head == nullptr) return;
    to.*count = from.*count;
    to.*head = from.*head;
}

// What the override supplies wins; everything else stays the base record's.
// Memory size and model index always come from the override.
void LayOverride(const PrnInfoEx &override, PrnInfoEx &status) {
    CopyListIfSet(&PrnInfoEx::nEngineStatus, &PrnInfoEx::pEngineStatus, override, status);
    CopyIfSet(&PrnInfoEx::pModelName, override, status);
    CopyIfSet(&PrnInfoEx::pMakerName, override, status);
    CopyIfSet(&PrnInfoEx::pDescription, override, status);
    CopyIfSet(&PrnInfoEx::pSYSVersion, override, status);
    CopyIfSet(&PrnInfoEx::pMainProgVersion, override, status);
    CopyIfSet(&PrnInfoEx::pKMSVersion, override, status);
    CopyListIfSet(&PrnInfoEx::nLoadedEmul, &PrnInfoEx::pLoadedEmul, override, status);
    CopyListIfSet(&PrnInfoEx::nLoadedFont, &PrnInfoEx::pLoadedFont, override, status);
    CopyListIfSet(&PrnInfoEx::nTrayInfo, &PrnInfoEx::pTrayInfo, override, status);
    CopyListIfSet(&PrnInfoEx::nOutBinInfo, &PrnInfoEx::pOutBinInfo, override, status);
    CopyListIfSet(&PrnInfoEx::nDeviceInfo, &PrnInfoEx::pDeviceInfo, override, status);
    CopyListIfSet(&PrnInfoEx::nEmulUniqInfo, &PrnInfoEx::pEmulUniqInfo, override, status);
    status.dwMemoryKB = override.dwMemoryKB;
    status.bModelIndex = override.bModelIndex;
}

}  // namespace

uint32_t DecodeStatusInput(uint32_t sourceType, PatInfoNode *root, PrnInfoEx *statusRecord) {
    const uint32_t baseNodeId = PAT_STATUS_BASE_NODE_ID(sourceType);
    uint32_t rootId = 0;
    if (baseNodeId == 0 || statusRecord == nullptr) return PAT_ERROR_INVALID_PARAMETER;
    if (!GetNodeInfo(root, &rootId, nullptr) || rootId != PAT_TREE_STATUS_ROOT) return PAT_ERROR_INVALID_PARAMETER;
    const PrnInfoEx *override = RecordOfChild(root, PAT_TREE_STATUS_OVERRIDE);
    const PrnInfoEx *base = RecordOfChild(root, baseNodeId);
    if (!IsAcceptableRecord(override) || !IsAcceptableRecord(base)) return PAT_ERROR_INVALID_PARAMETER;
    memcpy(statusRecord, base, sizeof(PrnInfoEx));
    LayOverride(*override, *statusRecord);
    return PAT_OK;
}

uint32_t CheckStatusLists(const PrnInfoEx *statusRecord) {
    if (CheckItemChain(statusRecord->pEngineStatus) != PAT_OK) return PAT_ERROR_INVALID_PARAMETER;
    return CheckItemChain(statusRecord->pDeviceInfo);
}
