#include <algorithm>

#include "pat.h"
#include "priority_tables.h"
#include "status_code.h"
#include "status_selection.h"

namespace {

// The chain is followed by its links; the count beside it is not trusted.
template <typename Visit>
void ForEachEngineCode(const PrnInfoEx &record, Visit visit) {
    for (const PatEngineStatusItem *item = record.pEngineStatus; item != nullptr; item = item->pNext) {
        visit(item->dwStatusCode);
    }
    if (record.bNoResponse != 0) visit(PAT_NO_RESPONSE_CODE);
}

uint16_t BestPriority(const PriorityRow *table, const PrnInfoEx &record) {
    uint16_t best = kPriorityNotInTable;
    ForEachEngineCode(record, [&](uint32_t code) {
        const uint16_t priority = LookUpPriority(table, code);
        if (priority < best) best = priority;
    });
    return best;
}

// The codes stand back to back in the array.
void SortAscending(ArrayOf<uint32_t> &codes) {
    const uint32_t count = codes.Count();
    if (count < 2) return;
    uint32_t *first = codes.At(0);
    std::stable_sort(first, first + count);
}

}  // namespace

uint32_t SelectStatusCodes(const StatusCallContext *context, ArrayOf<uint32_t> &selectedCodes) {
    const PriorityRow *table = FindPriorityTable(context->sourceType);
    if (table == nullptr) return PAT_ERROR_MISSING_TABLE;
    const PrnInfoEx &record = *context->statusRecord;
    const uint16_t best = BestPriority(table, record);
    // A code that cannot be appended is left out; the selection still stands.
    ForEachEngineCode(record, [&](uint32_t code) {
        if (LookUpPriority(table, code) == best) selectedCodes.Append(code);
    });
    SortAscending(selectedCodes);
    return PAT_OK;
}
