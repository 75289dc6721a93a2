// Answers to "@PJL INFO OUTBINSTATUS": the list is rebuilt from the answer.
#include "common/family_codes.h"
#include "prninfo/record.h"
#include "reply_handlers.h"
#include "reply_reading.h"

namespace {

uint16_t BinState(const ReplyWord &value) {
    if (WordIs(value, "PAPEREXIST")) return PAT_BIN_STATE_PAPER_PRESENT;
    if (WordIs(value, "FULL")) return PAT_BIN_STATE_FULL;
    return PAT_BIN_STATE_READY;  // "READY" and anything unknown
}

}  // namespace

// The bin is listed even when its state cannot be read.
void HandleOutputBin(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t binId) {
    auto *bin = reinterpret_cast<PatOutBinItem *>(AllocItem(kOutBinItemSize));
    if (bin == nullptr) return;
    bin->wId = static_cast<uint16_t>(binId);
    ReplyWord state;
    if (ReadWord(tokenizer, &state) == 0 && state.kind == TOKEN_KEY_VALUE) bin->wState = BinState(state);
    AppendItem(record, RecordList::kOutBinInfo, reinterpret_cast<PatItem *>(bin));
}

void HandleOutputBinReset(ReplyTokenizer *, PrnInfoEx *record, uint32_t) {
    ClearItemList(record, RecordList::kOutBinInfo);
    record->dwOutBinWord = kOutBinWordRebuilt;
}
