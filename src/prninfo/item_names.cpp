#include "prninfo/item_names.h"

#include <string.h>

namespace {

#define PAT_LIST_ROW(head, count) {#head, offsetof(PrnInfoEx, head), offsetof(PrnInfoEx, count)}

// Searched from the top; the order is the one the host interface documents.
const ListFieldRow kListFields[] = {
    PAT_LIST_ROW(pEngineStatus, nEngineStatus),
    PAT_LIST_ROW(pLoadedEmul, nLoadedEmul),
    PAT_LIST_ROW(pLoadedFont, nLoadedFont),
    PAT_LIST_ROW(pTrayInfo, nTrayInfo),
    PAT_LIST_ROW(pOutBinInfo, nOutBinInfo),
    PAT_LIST_ROW(pDeviceInfo, nDeviceInfo),
    PAT_LIST_ROW(pEmulUniqInfo, nEmulUniqInfo),
    PAT_LIST_ROW(pCounterInfo, nCounterInfo),
    PAT_LIST_ROW(pSupplyInfo, nSupplyInfo),
    PAT_LIST_ROW(pColorCorrection, nColorCorrection),
    {nullptr, 0, 0},
};

#define PAT_TEXT_ROW(field) {#field, offsetof(PrnInfoEx, field)}

const TextFieldRow kTextFields[] = {
    PAT_TEXT_ROW(pModelName),
    PAT_TEXT_ROW(pMakerName),
    PAT_TEXT_ROW(pDescription),
    PAT_TEXT_ROW(pSYSVersion),
    PAT_TEXT_ROW(pMainProgVersion),
    PAT_TEXT_ROW(pKMSVersion),
    {nullptr, 0},
};

template <typename Row>
const Row *FindRow(const Row *table, const char *name) {
    if (name == nullptr) return nullptr;
    for (const Row *row = table; row->name != nullptr; ++row) {
        if (strcmp(row->name, name) == 0) return row;
    }
    return nullptr;
}

}  // namespace

const ListFieldRow *FindListField(const char *name) { return FindRow(kListFields, name); }

const TextFieldRow *FindTextField(const char *name) { return FindRow(kTextFields, name); }

const ListFieldRow *AllListFields() { return kListFields; }
