#include <string.h>

#include "common/family_codes.h"
#include "message_tables.h"
#include "prninfo/record.h"
#include "status_code.h"
#include "status_selection.h"

namespace {

// Detail indexes of the parts a misfeed names.
constexpr uint32_t kDuplexUnit = 10;
constexpr uint32_t kLowerRightCover = 15;
constexpr uint32_t kBridgeUnitCoverRight = 8;
constexpr uint32_t kBridgeUnitCoverLeft = 9;

// Options whose presence adds the covers a misfeed may hide behind.
const uint16_t kLowerRightCoverOptions[] = {kOptionPaperBank, kOptionLargeCapacityTray};
const uint16_t kBridgeUnitOptions[] = {kOptionFinisher1000, kOptionFinisher3000, kOptionBookletFinisher};

void AppendEntry(ArrayOf<MessageEntry> &messages, uint32_t messageCode, uint32_t detailIndex, const char *extraText = "") {
    MessageEntry entry = {};
    entry.messageCode = messageCode;
    entry.detailIndex = detailIndex;
    memcpy(entry.extraText, extraText, strnlen(extraText, sizeof entry.extraText - 1));
    messages.Append(entry);  // a failed append only leaves the entry out
}

template <size_t N>
bool HasAnyOption(const PrnInfoEx &record, const uint16_t (&optionIds)[N]) {
    return HasAnyDeviceInfo(&record, optionIds, N) != 0;
}

// The service code is the text from the last "SC" to the end; the item's text
// field is read no further than its own 256 bytes.
void ExtractServiceCode(const PrnInfoEx &record, char (&serviceCode)[kMessageExtraTextSize]) {
    serviceCode[0] = '\0';
    const PatEngineStatusItem *item = record.pEngineStatus;
    while (item != nullptr && item->dwStatusCode != kStatusServiceCall) item = item->pNext;
    if (item == nullptr) return;
    const char *text = item->szText;
    const size_t length = strnlen(text, sizeof item->szText);
    if (length < 2) return;
    for (size_t start = length - 1; start-- > 0;) {  // from the last pair back to the first
        if (text[start] != 'S' || text[start + 1] != 'C') continue;
        size_t taken = length - start;
        if (taken > sizeof serviceCode - 1) taken = sizeof serviceCode - 1;
        memcpy(serviceCode, text + start, taken);
        serviceCode[taken] = '\0';
        return;
    }
}

// Exact rows first; the wildcard rows only when no exact row exists.
void AppendTableEntries(const MessageRow *table, uint32_t code, ArrayOf<MessageEntry> &messages) {
    bool anyExact = false;
    for (const MessageRow *row = table; row->pattern != nullptr; ++row) {
        if (row->exactCode != code) continue;
        AppendEntry(messages, row->messageCode, row->detailIndex);
        anyExact = true;
    }
    if (anyExact) return;
    char decimal[kDecimalCodeSize];
    FormatStatusCode(code, decimal);
    for (const MessageRow *row = table; row->pattern != nullptr; ++row) {
        if (MatchCodePattern(decimal, row->pattern)) AppendEntry(messages, row->messageCode, row->detailIndex);
    }
}

void AppendEntriesOfCode(const StatusCallContext &context, uint32_t code, ArrayOf<MessageEntry> &messages) {
    const PrnInfoEx &record = *context.statusRecord;
    switch (code) {
        case kStatusMisfeed:
            AppendEntry(messages, code, kDuplexUnit);
            if (HasAnyOption(record, kLowerRightCoverOptions)) AppendEntry(messages, code, kLowerRightCover);
            break;
        case kStatusOptionMisfeed:
            AppendEntry(messages, code, kDuplexUnit);
            if (HasAnyOption(record, kBridgeUnitOptions)) {
                AppendEntry(messages, code, kBridgeUnitCoverRight);
                AppendEntry(messages, code, kBridgeUnitCoverLeft);
            }
            break;
        case kStatusServiceCall: {
            char serviceCode[kMessageExtraTextSize];
            ExtractServiceCode(record, serviceCode);
            AppendEntry(messages, code, 0, serviceCode);
            break;
        }
        default: AppendTableEntries(MessageTableFor(context.sourceType), code, messages);
    }
}

}  // namespace

uint32_t BuildMessageList(const StatusCallContext *context, ArrayOf<MessageEntry> &messages) {
    LocalArrayOf<uint32_t, kSelectedCodesPerStep> codes(kSelectedCodesPerStep);
    const uint32_t error = SelectStatusCodes(context, codes);
    if (error == PAT_OK) {
        codes.ForEach([&](uint32_t code) { AppendEntriesOfCode(*context, code, messages); });
    }
    return error;
}
