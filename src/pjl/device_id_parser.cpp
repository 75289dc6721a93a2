#include "device_id_parser.h"

#include <string.h>

#include "common/family_codes.h"
#include "common/fixed_text.h"
#include "decimal_number.h"
#include "prninfo/record.h"
#include "split_field.h"

namespace {

constexpr uint32_t kFieldSize = 256;  // a key or a whole value, NUL included
constexpr uint32_t kPieceSize = 30;   // a status code, the state number

struct DeviceIdText {
    const char *limit;
    PrnInfoEx *record;
};

const char *SkipValue(const DeviceIdText &text, const char *p) {
    char value[kFieldSize];
    return SplitField(p, text.limit, value, sizeof value, ";");
}

// Appends one engine-status item per code; true when one is error-class.
bool AppendEngineStatusCodes(PrnInfoEx *record, const char *codes) {
    bool hasError = false;
    for (const char *p = codes; *p != '\0';) {
        char piece[kPieceSize];
        p = SplitField(p, piece, sizeof piece, "/");
        if (piece[0] == '\0') continue;
        const uint32_t code = static_cast<uint32_t>(DecimalNumber(piece));
        if (AddEngineStatus(record, code) == nullptr) continue;  // a code the record cannot hold is dropped
        if (!hasError) hasError = IsErrorClassStatus(code) != 0;
    }
    return hasError;
}

void SetEngineStatusTexts(PrnInfoEx *record, const char *statusText) {
    for (PatEngineStatusItem *item = record->pEngineStatus; item != nullptr; item = item->pNext) {
        CopyTextCut(item->szText, statusText);
    }
}

// "STS:code/code/...,state,text;".  The codes end at the first comma only,
// so a field without one takes in the rest of the device ID.
const char *ReadStatusField(const DeviceIdText &text, const char *p) {
    PrnInfoEx *record = text.record;
    ClearItemList(record, RecordList::kEngineStatus);
    char codes[kFieldSize];
    const char *afterCodes = SplitField(p, text.limit, codes, sizeof codes, ",");
    const bool hasError = AppendEngineStatusCodes(record, codes);

    char rest[kFieldSize];
    const char *next = SplitField(afterCodes, text.limit, rest, sizeof rest, ";");
    char state[kPieceSize];
    const char *statusText = SplitField(rest, state, sizeof state, ",");
    record->bState = static_cast<uint8_t>(DecimalNumber(state));
    record->bStateNotOne = record->bState != 1 ? 1 : 0;
    record->bHasError = hasError ? 1 : 0;
    if (*statusText != '\0') SetEngineStatusTexts(record, statusText);
    return next;
}

// "KTQ:counter/supply values;".  This family defines no supply ids, so the
// supply list is only emptied.
const char *ReadCounterField(const DeviceIdText &text, const char *p) {
    PrnInfoEx *record = text.record;
    ClearItemList(record, RecordList::kCounterInfo);
    ClearItemList(record, RecordList::kSupplyInfo);
    char counter[kFieldSize];
    p = SplitField(p, text.limit, counter, sizeof counter, "/");
    auto *item = reinterpret_cast<PatCounterItem *>(AllocItem(kCounterItemSize));
    if (item != nullptr) {
        item->wId = kCounterTotal;
        item->dwValue = static_cast<uint32_t>(DecimalNumber(counter));
        AppendItem(record, RecordList::kCounterInfo, reinterpret_cast<PatItem *>(item));
    }
    return SkipValue(text, p);
}

const char *ReadTextField(const DeviceIdText &text, const char *p, RecordText field, bool *stored) {
    char value[kFieldSize];
    p = SplitField(p, text.limit, value, sizeof value, ";");
    *stored = SetStringItem(text.record, field, value) == PAT_OK;
    return p;
}

const char *ReadModelField(const DeviceIdText &text, const char *p) {
    bool stored = false;
    p = ReadTextField(text, p, RecordText::kModelName, &stored);
    text.record->bModelIndex = stored ? ModelIndex(text.record->pModelName) : kUnknownModelIndex;
    return p;
}

}  // namespace

uint32_t ParseDeviceId(const char *deviceId, uint32_t length, PrnInfoEx *record) {
    const DeviceIdText text = {BoundText(deviceId, length).end, record};
    uint32_t result = 0;
    const char *p = deviceId;
    do {
        char key[kFieldSize];
        p = SplitField(p, text.limit, key, sizeof key, ":");
        bool stored = true;
        if (strcmp(key, "MFG") == 0) {
            p = ReadTextField(text, p, RecordText::kMakerName, &stored);
            result = stored ? 0 : PAT_ERROR_NOT_ENOUGH_MEMORY;
        } else if (strcmp(key, "MDL") == 0) {
            p = ReadModelField(text, p);
            result = 0;
        } else if (strcmp(key, "DES") == 0) {
            p = ReadTextField(text, p, RecordText::kDescription, &stored);
            result = stored ? 0 : PAT_ERROR_NOT_ENOUGH_MEMORY;
        } else if (strcmp(key, "STS") == 0) {
            p = ReadStatusField(text, p);
            result = 0;
        } else if (strcmp(key, "KTQ") == 0) {
            p = ReadCounterField(text, p);
            result = 0;
        } else {
            p = SkipValue(text, p);
        }
    } while (!AtTextEnd(p, text.limit) && result == 0);
    return result;
}
