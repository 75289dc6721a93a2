#include "device_id_parser.h"

#include <string.h>

#include "common/family_codes.h"
#include "common/fixed_text.h"
#include "common/short_text.h"
#include "decimal_number.h"
#include "prninfo/record.h"
#include "split_field.h"

namespace {

constexpr uint32_t kFieldLength = 255;  // of a key or a whole value; the rest is cut off
constexpr uint32_t kPieceLength = 29;   // of a status code, the state number

struct DeviceIdText {
    const char *limit;
    PrnInfoEx *record;
};

FieldPlace Field(const DeviceIdText &text, const char *p, char delimiter) {
    return FindField(p, text.limit, kFieldLength, delimiter);
}

int32_t NumberIn(const FieldPlace &field) { return DecimalNumber(field.begin, field.begin + field.length); }

// A key of three characters as one number, so the known keys are told apart
// by one switch; any other key gives 0.
constexpr uint64_t KeyCode(const char *key, uint32_t length) { return length == 3 ? LoadPiece(key, 3) : 0; }

constexpr uint64_t KeyCode(const char (&key)[4]) { return KeyCode(key, 3); }

const char *SkipValue(const DeviceIdText &text, const char *p) { return Field(text, p, ';').next; }

// Appends one engine-status item per code; true when one is error-class.
bool AppendEngineStatusCodes(PrnInfoEx *record, const FieldPlace &codes) {
    const char *end = codes.begin + codes.length;
    bool hasError = false;
    for (const char *p = codes.begin; p < end;) {
        const FieldPlace piece = FindField(p, end, kPieceLength, '/');
        p = piece.next;
        if (piece.length == 0) continue;
        const uint32_t code = static_cast<uint32_t>(NumberIn(piece));
        if (AddEngineStatus(record, code) == nullptr) continue;  // a code the record cannot hold is dropped
        if (!hasError) hasError = IsErrorClassStatus(code) != 0;
    }
    return hasError;
}

void SetEngineStatusTexts(PrnInfoEx *record, const char *statusText, size_t length) {
    for (PatEngineStatusItem *item = record->pEngineStatus; item != nullptr; item = item->pNext) {
        CopyTextCut(item->szText, statusText, length);
    }
}

// "STS:code/code/...,state,text;".  The codes end at the first comma only,
// so a field without one takes in the rest of the device ID.
const char *ReadStatusField(const DeviceIdText &text, const char *p) {
    PrnInfoEx *record = text.record;
    ClearItemList(record, RecordList::kEngineStatus);
    const FieldPlace codes = Field(text, p, ',');
    const bool hasError = AppendEngineStatusCodes(record, codes);

    const FieldPlace rest = Field(text, codes.next, ';');
    const char *restEnd = rest.begin + rest.length;
    const FieldPlace state = FindField(rest.begin, restEnd, kPieceLength, ',');
    record->bState = static_cast<uint8_t>(NumberIn(state));
    record->bStateNotOne = record->bState != 1 ? 1 : 0;
    record->bHasError = hasError ? 1 : 0;
    if (state.next != restEnd) SetEngineStatusTexts(record, state.next, static_cast<size_t>(restEnd - state.next));
    return rest.next;
}

// "KTQ:counter/supply values;".  This family defines no supply ids, so the
// supply list is only emptied.
const char *ReadCounterField(const DeviceIdText &text, const char *p) {
    PrnInfoEx *record = text.record;
    ClearItemList(record, RecordList::kCounterInfo);
    ClearItemList(record, RecordList::kSupplyInfo);
    const FieldPlace counter = Field(text, p, '/');
    auto *item = reinterpret_cast<PatCounterItem *>(AllocItem(kCounterItemSize));
    if (item != nullptr) {
        item->wId = kCounterTotal;
        item->dwValue = static_cast<uint32_t>(NumberIn(counter));
        AppendItem(record, RecordList::kCounterInfo, reinterpret_cast<PatItem *>(item));
    }
    return SkipValue(text, counter.next);
}

const char *ReadTextField(const DeviceIdText &text, const char *p, RecordText field, bool *stored) {
    const FieldPlace value = Field(text, p, ';');
    *stored = SetStringItem(text.record, field, value.begin, value.length) == PAT_OK;
    return value.next;
}

const char *ReadModelField(const DeviceIdText &text, const char *p) {
    bool stored = false;
    p = ReadTextField(text, p, RecordText::kModelName, &stored);
    text.record->bModelIndex = stored ? ModelIndex(text.record->pModelName) : kUnknownModelIndex;
    return p;
}

}  // namespace

uint32_t ParseDeviceId(const char *deviceId, uint32_t length, PrnInfoEx *record) {
    // The text ends at its first NUL or after its last byte.
    const char *nul = static_cast<const char *>(memchr(deviceId, '\0', length));
    const DeviceIdText text = {nul != nullptr ? nul : deviceId + length, record};
    uint32_t result = 0;
    const char *p = deviceId;
    do {
        const FieldPlace key = Field(text, p, ':');
        p = key.next;
        bool stored = true;
        switch (KeyCode(key.begin, key.length)) {
        case KeyCode("MFG"):
            p = ReadTextField(text, p, RecordText::kMakerName, &stored);
            result = stored ? 0 : PAT_ERROR_NOT_ENOUGH_MEMORY;
            break;
        case KeyCode("MDL"):
            p = ReadModelField(text, p);
            result = 0;
            break;
        case KeyCode("DES"):
            p = ReadTextField(text, p, RecordText::kDescription, &stored);
            result = stored ? 0 : PAT_ERROR_NOT_ENOUGH_MEMORY;
            break;
        case KeyCode("STS"):
            p = ReadStatusField(text, p);
            result = 0;
            break;
        case KeyCode("KTQ"):
            p = ReadCounterField(text, p);
            result = 0;
            break;
        default:
            p = SkipValue(text, p);
        }
    } while (p < text.limit && result == 0);
    return result;
}
