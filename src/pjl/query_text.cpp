#include "query_text.h"

#include <string.h>

#include "tray_query_table.h"

namespace {

constexpr char kUel[] = "\x1B%-12345X";
constexpr char kQueryOpening[] = "\x1B%-12345X@PJL\r\n";
constexpr char kConfigRequest[] = "@PJL INFO CONFIG\r\n";
constexpr char kOutBinRequest[] = "@PJL INFO OUTBINSTATUS\r\n";

constexpr uint32_t kDeviceIdFlags = PAT_ITEMS_STATE | PAT_ITEMS_IDENTITY | PAT_ITEMS_ENGINE_STATUS;
constexpr uint32_t kConfigFlags = PAT_ITEMS_CONFIGURATION | PAT_ITEMS_EMULATIONS | PAT_ITEMS_DUPLEX_OPTION;

// Every row for the tray, so a table listing a tray twice asks twice.
void AppendTrayBlocks(uint16_t trayId, QueryText *text) {
    for (const TrayQueryRow *row = kTrayQueryTable; row->trayId != kTrayQueryTableEnd; ++row) {
        if (row->trayId == trayId) QueryTextAppend(text, row->text);
    }
}

void AppendStandardTrayBlocks(QueryText *text) {
    for (const TrayQueryRow *row = kTrayQueryTable; row->trayId != kTrayQueryTableEnd; ++row) {
        if (row->optional == 0) QueryTextAppend(text, row->text);
    }
}

void AppendTrayRequests(const PrnInfoEx *record, QueryText *text) {
    QueryTextAppend(text, kPrintTrayQueryText);
    if (record->pTrayInfo == nullptr) {
        AppendStandardTrayBlocks(text);
        return;
    }
    for (const PatTrayItem *tray = record->pTrayInfo; tray != nullptr; tray = tray->pNext) {
        AppendTrayBlocks(tray->wId, text);
    }
}

}  // namespace

const char kEmulUniqQueryText[] = "\x1B%-12345X@PJL\r\n@PJL INFO ZEMA\r\n\x1B%-12345X";

void QueryTextBegin(QueryText *text, char *buffer, uint32_t capacity) {
    text->data = buffer;
    text->capacity = capacity;
    text->length = 0;
    if (capacity != 0) buffer[0] = '\0';
}

void QueryTextAppend(QueryText *text, const char *piece) {
    const uint32_t n = static_cast<uint32_t>(strlen(piece));
    if (text->length + n < text->capacity) {
        memcpy(text->data + text->length, piece, n + 1);
    }
    text->length += n;
}

bool QueryTextComplete(const QueryText *text) { return text->length < text->capacity; }

bool ComposeQueryText(const PrnInfoEx *record, uint32_t itemFlags, QueryText *text) {
    bool asked = false;
    QueryTextAppend(text, kQueryOpening);
    if (itemFlags & kConfigFlags) {
        QueryTextAppend(text, kConfigRequest);
        asked = true;
    }
    if (itemFlags & PAT_ITEMS_INPUT_TRAYS) {
        AppendTrayRequests(record, text);
        asked = true;
    }
    if (itemFlags & PAT_ITEMS_OUTPUT_BINS) {
        QueryTextAppend(text, kOutBinRequest);
        asked = true;
    }
    if (asked) QueryTextAppend(text, kUel);
    return asked;
}

bool QueryAsksForDeviceId(uint32_t itemFlags) { return (itemFlags & kDeviceIdFlags) != 0; }
