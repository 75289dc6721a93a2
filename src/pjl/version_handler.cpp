// The "VERSION" list of the configuration: the firmware version and the
// loaded emulations with theirs.
#include "decimal_number.h"
#include "common/fixed_text.h"
#include "prninfo/record.h"
#include "reply_handlers.h"
#include "reply_name_tables.h"
#include "reply_reading.h"

namespace {

constexpr size_t kEmulationVersionLength = 15;

void StoreVersion(PrnInfoEx *record, const ReplyWord &name, const ReplyWord &version) {
    const uint32_t code = LookupName(name.text, name.length, kEmulationIndex);
    if (code == kSystemFirmwareCode) {
        SetStringItem(record, RecordText::kSYSVersion, version.text, version.length);
        return;
    }
    auto *emulation = reinterpret_cast<PatLoadedEmulItem *>(AllocItem(kLoadedEmulItemSize));
    if (emulation == nullptr) return;
    emulation->wId = static_cast<uint16_t>(code);
    CopyTextCut(emulation->szVersion, kEmulationVersionLength + 1, version.text, version.length);
    AppendItem(record, RecordList::kLoadedEmul, reinterpret_cast<PatItem *>(emulation));
    KeepEmulationVersionText(record, emulation->wId, version.text, version.length);  // a text that cannot be kept stays as it was
}

}  // namespace

// Reads the announced number of items; an item without a readable value still
// counts.  A negative count, taken unsigned, reads on to the end of the reply.
void HandleVersions(ReplyTokenizer *tokenizer, PrnInfoEx *record, uint32_t) {
    ClearItemList(record, RecordList::kLoadedEmul);
    ReplyWord last;
    if (ReadWord(tokenizer, &last) != 0 || last.kind != TOKEN_BRACKET_FIRST) return;
    const uint32_t announced = static_cast<uint32_t>(DecimalNumber(last.text, last.text + last.length));
    if (announced == 0) return;
    uint32_t read = 0;
    do {
        if (last.kind == TOKEN_END) return;
        ReplyWord name;
        if (ReadWord(tokenizer, &name) != 0) return;
        last = name;
        if (name.kind != TOKEN_ITEM) continue;
        ++read;
        if (ReadWord(tokenizer, &last) == 0 && last.kind == TOKEN_ITEM_VALUE) StoreVersion(record, name, last);
    } while (read < announced);
}
