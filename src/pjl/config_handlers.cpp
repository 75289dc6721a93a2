// Answers to "@PJL INFO CONFIG": installed options, memory and the punch unit.
#include "decimal_number.h"
#include "prninfo/record.h"
#include "reply_handlers.h"
#include "reply_name_tables.h"
#include "reply_reading.h"

namespace {

constexpr uint32_t kMaxPunchNames = kPunchSlots;

struct PunchNames {
    ReplyWord name[kMaxPunchNames];
    uint32_t count;
};

bool IsCollected(const PunchNames &names, const char *keyword) {
    for (uint32_t i = 0; i < names.count; ++i) {
        if (WordIs(names.name[i], keyword)) return true;
    }
    return false;
}

// The row whose filled slots are exactly as many as the names, each among them.
const PunchRow *FindPunchRow(const PunchNames &names) {
    for (const PunchRow *row = kPunchOptions; row->keywords[0][0] != '\0'; ++row) {
        uint32_t filled = 0;
        bool allCollected = true;
        for (const char *keyword : row->keywords) {
            if (keyword[0] == '\0') break;
            ++filled;
            allCollected = allCollected && IsCollected(names, keyword);
        }
        if (filled == names.count && allCollected) return row;
    }
    return nullptr;
}

uint32_t AppendOption(PrnInfoEx *record, uint32_t optionId) {
    PatItem *option = AllocItem(kDeviceItemSize);
    if (option == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    option->wId = static_cast<uint16_t>(optionId);
    AppendItem(record, RecordList::kDeviceInfo, option);
    return 0;
}

}  // namespace

uint32_t HandleOption(ReplyTokenizer *, PrnInfoEx *record, uint32_t optionId) { return AppendOption(record, optionId); }

uint32_t HandleOptionReset(ReplyTokenizer *, PrnInfoEx *record, uint32_t) {
    ClearItemList(record, RecordList::kDeviceInfo);
    return 0;
}

uint32_t HandleMemory(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t) {
    ReplyWord bytes;
    const uint32_t result = ReadWord(tokenizer, &bytes);
    if (result == 0 && bytes.kind == TOKEN_KEY_VALUE) {
        record->dwMemoryKB = static_cast<uint32_t>(DecimalNumber(bytes.text, bytes.text + bytes.length) / 1024);
    }
    return result;
}

uint32_t HandlePunch(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t) {
    ReplyWord token;
    uint32_t result = ReadWord(tokenizer, &token);
    if (result != 0) return result;
    if (token.kind != TOKEN_BRACKET_FIRST) return PAT_ERROR_INVALID_PARAMETER;
    const uint32_t wanted = static_cast<uint32_t>(DecimalNumber(token.text, token.text + token.length));
    if (wanted > kMaxPunchNames) return PAT_ERROR_INVALID_PARAMETER;
    PunchNames names;
    names.count = 0;
    while (names.count < wanted && token.kind != TOKEN_END) {
        result = ReadWord(tokenizer, &token);
        if (result != 0) return result;
        if (token.kind == TOKEN_ITEM) names.name[names.count++] = token;
    }
    const PunchRow *row = FindPunchRow(names);
    return row != nullptr ? AppendOption(record, row->optionId) : 0;
}
