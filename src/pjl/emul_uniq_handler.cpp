// The answer to "@PJL INFO ZEMA": the emulation-specific item with wId 15,
// created on first use and afterwards overwritten key by key.
#include <string.h>

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

void StoreSetting(PatEmulUniqItem *item, const char *key, const char *value) {
    if (strcmp(key, "MEMORYUSAGE") == 0) {
        item->dwMemoryMode = LookupName(value, kMemoryUsageNames);
    } else if (strcmp(key, "OTHER") == 0) {
        CopyTextCut(item->szOtherInfo, value);
    } else if (strcmp(key, "IMAGEROTATION") == 0) {
        item->dwRotation = LookupName(value, kImageRotationNames);
    }
}

}  // namespace

uint32_t HandleEmulUniqInfo(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t) {
    PatEmulUniqItem *item = FindOrAppendZemaItem(record);
    if (item == nullptr) return PAT_ERROR_NOT_ENOUGH_MEMORY;
    ReplyToken last;
    do {
        ReplyToken key;
        uint32_t result = ReadToken(tokenizer, &key);
        if (result != 0) return result;
        last = key;
        if (key.kind != TOKEN_KEY) continue;
        result = ReadToken(tokenizer, &last);
        if (result != 0) return result;
        StoreSetting(item, key.text, last.text);
    } while (last.kind != TOKEN_FORM_FEED && last.kind != TOKEN_END);
    return 0;
}
