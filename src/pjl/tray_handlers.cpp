// Answers about input trays.  The tray is found or added before its answer
// is read, so an answer about a tray the record did not list adds it.
#include "decimal_number.h"
#include "prninfo/record.h"
#include "reply_handlers.h"
#include "reply_name_tables.h"
#include "reply_reading.h"

namespace {

PatTrayItem *FindOrAddTray(PrnInfoEx *record, uint32_t trayId) {
    return reinterpret_cast<PatTrayItem *>(
        FindOrAddItem(HeadField(&record->pTrayInfo), kTrayItemSize, trayId & 0xFFFFu, &record->nTrayInfo));
}

// Finds or adds the tray, reads the answer and stores its code in one field.
void StoreTrayCode(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId, uint16_t PatTrayItem::*field,
                   const NameIndex &names) {
    PatTrayItem *tray = FindOrAddTray(record, trayId);
    if (tray == nullptr) return;
    ReplyWord answer;
    if (ReadAnswer(tokenizer, &answer) != 0) return;
    tray->*field = static_cast<uint16_t>(LookupName(answer.text, answer.length, names));
}

}  // namespace

void HandleTrayLock(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId) {
    PatTrayItem *tray = FindOrAddTray(record, trayId);
    if (tray == nullptr) return;
    ReplyWord answer;
    if (ReadAnswer(tokenizer, &answer) != 0) return;
    if (WordIs(answer, "LOCKED")) {
        tray->dwFlags |= PAT_TRAY_FLAG_LOCKED;
    } else {
        tray->dwFlags &= ~PAT_TRAY_FLAG_LOCKED;
    }
}

void HandleTrayPaperSize(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId) {
    StoreTrayCode(tokenizer, record, trayId, &PatTrayItem::wPaperSize, kPaperSizeIndex);
}

void HandleTrayPaperLevel(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId) {
    StoreTrayCode(tokenizer, record, trayId, &PatTrayItem::wLevel, kPaperLevelIndex);
}

void HandleTrayMedia(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t trayId) {
    StoreTrayCode(tokenizer, record, trayId, &PatTrayItem::wMediaType, kMediaTypeIndex);
}

void HandleTrayPresent(ReplyTokenizer *, PrnInfoEx *record, uint32_t trayId) { FindOrAddTray(record, trayId); }

// The print-tray bits are only ever set: a tray keeps the bit of an earlier
// answer until the host clears it.
void HandlePrintTray(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t flagBit) {
    ReplyWord answer;
    if (ReadAnswer(tokenizer, &answer) != 0) return;
    const uint16_t trayId = static_cast<uint16_t>(LookupName(answer.text, answer.length, kPrintTrayIndex));
    if (trayId == kTrayNone) return;
    PatTrayItem *tray = FindOrAddTray(record, trayId);
    if (tray != nullptr) tray->dwFlags |= flagBit;
}

// The tray list survives a count equal to the trays it holds; otherwise it is
// rebuilt from the items that follow (the tray-present rows add them).
void HandleTrayCount(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t) {
    ReplyWord count;
    if (ReadWord(tokenizer, &count) != 0 || count.kind != TOKEN_BRACKET_FIRST) return;
    if (static_cast<uint32_t>(DecimalNumber(count.text, count.text + count.length)) != record->nTrayInfo) {
        ClearItemList(record, RecordList::kTrayInfo);
    }
}
