#include "target_support.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "platform/linux/heap_hooks.h"
#include "platform/platform.h"
#include "prninfo/record.h"

namespace {

void Check(bool condition, const char *what) {
    if (condition) return;
    fprintf(stderr, "fuzz check failed: %s\n", what);
    abort();
}

}  // namespace

void Expect(bool condition, const char *what) { Check(condition, what); }

void CheckTerminatedWithin(const char *text, uint32_t capacity) {
    Check(memchr(text, '\0', capacity) != nullptr, "text without NUL in its buffer");
}

void CheckUntouched(const void *bytes, size_t length, uint8_t fill) {
    const auto *p = static_cast<const uint8_t *>(bytes);
    for (size_t i = 0; i < length; ++i) Check(p[i] == fill, "a refused call wrote into the host's buffer");
}

PrnInfoEx FreshRecord() {
    PrnInfoEx record;
    memset(&record, 0, sizeof record);
    record.dwVersion = PAT_PRNINFOEX_MIN_VERSION;
    return record;
}

void CheckCountsMatchChains(const PrnInfoEx &record) {
    auto *writable = const_cast<PrnInfoEx *>(&record);
    for (RecordList name : kAllRecordLists) {
        const ItemListHandle list = GetItemList(writable, name);
        uint32_t length = 0;
        for (const PatItem *item = list.head; item != nullptr; item = item->pNext) ++length;
        Check(length == *list.countField, "a list's count differs from the length of its chain");
    }
}

void ReleaseWholeRecord(PrnInfoEx *record) {
    for (RecordList list : kAllRecordLists) ClearItemList(record, list);
    char **texts[] = {&record->pModelName,  &record->pMakerName,       &record->pDescription,
                      &record->pSYSVersion, &record->pMainProgVersion, &record->pKMSVersion};
    for (char **text : texts) {
        if (*text != nullptr) GlobalFree(*text);
        *text = nullptr;
    }
}

ExactCopy::ExactCopy(const uint8_t *data, size_t n, bool terminate)
    : bytes(static_cast<char *>(malloc(n + (terminate ? 1 : 0) + (n == 0 ? 1 : 0)))), size(n) {
    if (n != 0) memcpy(bytes, data, n);
    if (terminate) bytes[n] = '\0';
}

ExactCopy::~ExactCopy() { free(bytes); }

void CheckTextResult(PatBool ok, uint32_t error, const char *text, uint32_t capacity, uint32_t length) {
    if (ok) {
        CheckTerminatedWithin(text, capacity);
        Check(error == 0 && length == strlen(text) + 1, "success sets error 0 and the text's length");
        return;
    }
    Check(error != 0 && error != kErrorBeforeCall, "a failure sets its error");
    if (text != nullptr) CheckUntouched(text, capacity, kUnwrittenByte);
    Check(error == PAT_ERROR_INSUFFICIENT_BUFFER ? length > capacity : length == capacity,
          "only a buffer too small reports the needed length");
}

HeapBalance::HeapBalance() : before(platform_heap::LiveBlocks()) {}

HeapBalance::~HeapBalance() { Check(platform_heap::LiveBlocks() == before, "global-heap blocks leaked"); }
