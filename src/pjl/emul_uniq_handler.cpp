// The answer to "@PJL INFO ZEMA": the emulation-specific item with wId 15,
// created on first use and afterwards overwritten key by key.
#include "common/family_codes.h"
#include "common/fixed_text.h"
#include "prninfo/record.h"
#include "reply_handlers.h"
#include "reply_name_tables.h"
#include "reply_reading.h"

namespace {

PatEmulUniqItem *FindOrAppendZemaItem(PrnInfoEx *record) {
    PatItem *found = FindItemById(reinterpret_cast<PatItem *>(record->pEmulUniqInfo), kEmulationZema);
    if (found != nullptr) return reinterpret_cast<PatEmulUniqItem *>(found);
    PatItem *item = AllocItem(kEmulUniqItemSize);
    if (item == nullptr) return nullptr;
    item->wId = kEmulationZema;
    AppendItem(record, RecordList::kEmulUniqInfo, item);
    return reinterpret_cast<PatEmulUniqItem *>(item);
}

void StoreSetting(PatEmulUniqItem *item, const ReplyWord &key, const ReplyWord &value) {
    if (WordIs(key, "MEMORYUSAGE")) {
        item->dwMemoryMode = LookupName(value.text, value.length, kMemoryUsageIndex);
    } else if (WordIs(key, "OTHER")) {
        CopyTextCut(item->szOtherInfo, value.text, value.length);
    } else if (WordIs(key, "IMAGEROTATION")) {
        item->dwRotation = LookupName(value.text, value.length, kImageRotationIndex);
    }
}

}  // namespace

void HandleEmulUniqInfo(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t) {
    PatEmulUniqItem *item = FindOrAppendZemaItem(record);
    if (item == nullptr) return;
    ReplyWord last;
    do {
        ReplyWord key;
        if (ReadWord(tokenizer, &key) != 0) return;
        last = key;
        if (key.kind != TOKEN_KEY) continue;
        if (ReadWord(tokenizer, &last) != 0) return;
        StoreSetting(item, key, last);
    } while (last.kind != TOKEN_FORM_FEED && last.kind != TOKEN_END);
}
