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

void AppendOption(PrnInfoEx *record, uint32_t optionId) {
    PatItem *option = AllocItem(kDeviceItemSize);
    if (option == nullptr) return;
    option->wId = static_cast<uint16_t>(optionId);
    AppendItem(record, RecordList::kDeviceInfo, option);
}

}  // namespace

void HandleOption(ReplyTokenizer *, PrnInfoEx *record, uint32_t optionId) { AppendOption(record, optionId); }

void HandleOptionReset(ReplyTokenizer *, PrnInfoEx *record, uint32_t) {
    ClearItemList(record, RecordList::kDeviceInfo);
}

void HandleMemory(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t) {
    ReplyWord bytes;
    if (ReadWord(tokenizer, &bytes) == 0 && bytes.kind == TOKEN_KEY_VALUE) {
        record->dwMemoryKB = static_cast<uint32_t>(DecimalNumber(bytes.text, bytes.text + bytes.length) / 1024);
    }
}

void HandlePunch(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t) {
    ReplyWord token;
    if (ReadWord(tokenizer, &token) != 0 || token.kind != TOKEN_BRACKET_FIRST) return;
    const uint32_t wanted = static_cast<uint32_t>(DecimalNumber(token.text, token.text + token.length));
    if (wanted > kMaxPunchNames) return;
    PunchNames names;
    names.count = 0;
    while (names.count < wanted && token.kind != TOKEN_END) {
        if (ReadWord(tokenizer, &token) != 0) return;
        if (token.kind == TOKEN_ITEM) names.name[names.count++] = token;
    }
    const PunchRow *row = FindPunchRow(names);
    if (row != nullptr) AppendOption(record, row->optionId);
}
