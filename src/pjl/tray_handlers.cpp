// Answers about input trays.  The tray is found or added before its answer
// is read, so an answer about a tray the record did not list adds it.
#include "prninfo/record.h"
#include "decimal_number.h"
#include "reply_handlers.h"
#include "reply_name_tables.h"
#include "reply_reading.h"

namespace {

PatTrayItem *FindOrAddTray(PrnInfoEx *record, uint32_t trayId) {
    return reinterpret_cast<PatTrayItem *>(
        FindOrAddItem(HeadField(&record->pTrayInfo), kTrayItemSize, trayId & 0xFFFFu, &record->nTrayInfo));
}

// Finds or adds the tray, reads the answer and stores its code in one field.
uint32_t StoreTrayCode(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId, uint16_t PatTrayItem::*field,
                       const IndexedNames &names) {
    PatTrayItem *tray = FindOrAddTray(record, trayId);
    if (tray == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    ReplyWord answer;
    const uint32_t result = ReadAnswer(tokenizer, &answer);
    if (result != 0) return result;
    tray->*field = static_cast<uint16_t>(LookupName(answer.text, answer.length, names));
    return 0;
}

}  // namespace

uint32_t HandleTrayLock(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId) {
    PatTrayItem *tray = FindOrAddTray(record, trayId);
    if (tray == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    ReplyWord answer;
    const uint32_t result = ReadAnswer(tokenizer, &answer);
    if (result != 0) return result;
    if (WordIs(answer, "LOCKED")) {
        tray->dwFlags |= PAT_TRAY_FLAG_LOCKED;
    } else {
        tray->dwFlags &= ~PAT_TRAY_FLAG_LOCKED;
    }
    return 0;
}

uint32_t HandleTrayPaperSize(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId) {
    return StoreTrayCode(tokenizer, record, trayId, &PatTrayItem::wPaperSize, kPaperSizeIndex);
}

uint32_t HandleTrayPaperLevel(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId) {
    return StoreTrayCode(tokenizer, record, trayId, &PatTrayItem::wLevel, kPaperLevelIndex);
}

uint32_t HandleTrayMedia(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId) {
    return StoreTrayCode(tokenizer, record, trayId, &PatTrayItem::wMediaType, kMediaTypeIndex);
}

uint32_t HandleTrayPresent(ReplyTokenizer *, PrnInfoEx *record, uint32_t trayId) {
    return FindOrAddTray(record, trayId) != nullptr ? 0 : PAT_ERROR_NOT_ENOUGH_MEMORY;
}

// The print-tray bits are only ever set: a tray keeps the bit of an earlier
// answer until the host clears it.
uint32_t HandlePrintTray(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t flagBit) {
    ReplyWord answer;
    const uint32_t result = ReadAnswer(tokenizer, &answer);
    if (result != 0) return result;
    const uint16_t trayId = static_cast<uint16_t>(LookupName(answer.text, answer.length, kPrintTrayIndex));
    if (trayId == kTrayNone) return 0;
    PatTrayItem *tray = FindOrAddTray(record, trayId);
    if (tray == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    tray->dwFlags |= flagBit;
    return 0;
}

// The tray list survives a count equal to the trays it holds; otherwise it is
// rebuilt from the items that follow (the tray-present rows add them).
uint32_t HandleTrayCount(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t) {
    ReplyWord count;
    const uint32_t result = ReadWord(tokenizer, &count);
    if (result != 0) return result;
    if (count.kind != TOKEN_BRACKET_FIRST) return PAT_ERROR_INVALID_PARAMETER;
    if (static_cast<uint32_t>(DecimalNumber(count.text, count.text + count.length)) != record->nTrayInfo) ClearItemList(record, RecordList::kTrayInfo);
    return 0;
}
