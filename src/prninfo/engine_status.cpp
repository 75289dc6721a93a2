// Engine status codes kept in the record.
#include "prninfo/record.h"

void AddEngineStatus(PrnInfoEx *record, uint32_t statusCode) {
    auto *item = reinterpret_cast<PatEngineStatusItem *>(AllocItem(kEngineStatusItemSize));
    if (item == nullptr) return;  // a status the record cannot hold is dropped
    item->wId = static_cast<uint16_t>(statusCode);
    item->dwStatusCode = statusCode;
    AppendItem(record, "pEngineStatus", reinterpret_cast<PatItem *>(item));
}

int IsErrorClassStatus(uint32_t statusCode) {
    if (statusCode == 10002) return 1;
    if (statusCode < 40001 || statusCode > 49999) return 0;
    // Conditions in the error range that do not stop the printer.
    if (statusCode == 40342) return 0;
    if (statusCode >= 40440 && statusCode <= 40443) return 0;
    return 1;
}
