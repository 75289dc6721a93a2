// PatGetDeviceName for any kind, check byte, name and buffer, in any
// language: tray and bin names from the library's tables (whole, cut short or
// changed) or from the input, option codes from the option-name map or any
// value, each in a block of exactly its size.  A success leaves a
// NUL-terminated name within the buffer; a refusal writes nothing but, for a
// buffer too small, the needed length.
#include <string.h>

#include "host_records.h"
#include "platform/platform.h"
#include "prninfo/device_name_tables.h"
#include "common/string_maps.h"
#include "target_support.h"

namespace {

template <typename Row, typename Key>
size_t RowCount(const Row *table, Key end) {
    size_t n = 0;
    while (end(table[n])) ++n;
    return n;
}

const char *TableName(FuzzInput &in, uint32_t kind) {
    const DeviceNameRow *table = kind == 2 ? kOutBinNameTable : kTrayNameTable;
    const size_t n = RowCount(table, [](const DeviceNameRow &row) { return row.name != nullptr; });
    return table[in.Byte() % n].name;
}

// A table name as it is, cut short, with one byte changed, or input text.
const char *Name(FuzzInput &in, HostBlocks &blocks, uint32_t kind) {
    const uint8_t form = in.Byte();
    if (form >= 192) return blocks.Text(in);
    const char *source = TableName(in, kind);
    size_t length = strlen(source);
    if (form & 1) length = in.Byte() % (length + 1);
    char *name = static_cast<char *>(blocks.Block(length + 1));
    memcpy(name, source, length);
    if ((form & 2) && length != 0) name[in.Byte() % length] = static_cast<char>(in.Byte());
    return name;
}

const uint32_t *OptionCode(FuzzInput &in, HostBlocks &blocks) {
    const uint8_t form = in.Byte();
    if (form < 8) return nullptr;
    auto *code = static_cast<uint32_t *>(blocks.Block(sizeof(uint32_t)));
    if (form >= 192) {
        *code = in.Word();
    } else {
        const StringMapRow *map = kOptionalUnitMap;
        const size_t n = RowCount(map, [](const StringMapRow &row) { return row.key != kEndOfMap; });
        *code = map[form % n].key + (form & 0x80 ? in.Byte() % 4u : 0);
    }
    return code;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput in(data, size);
    HostBlocks blocks;
    ChooseLanguage(in);
    const uint8_t kindSelector = in.Byte();
    const uint32_t kind = kindSelector < 240 ? kindSelector % 4u : in.Word();
    const void *name = kind == 3 ? static_cast<const void *>(OptionCode(in, blocks))
                                 : static_cast<const void *>(Name(in, blocks, kind));
    const uint8_t checkSelector = in.Byte();
    const uint32_t check = checkSelector < 16 ? in.Word() : (kind == PAT_DEVICE_NAME_OPTION ? PAT_CHECK_OPTION : PAT_CHECK_NAMED_DEVICE) | (checkSelector & 0x80u) << 1;
    const uint8_t sizeSelector = in.Byte();
    const uint32_t capacity = sizeSelector < 48 ? sizeSelector : 256;

    HeapBalance balance;
    char *text = blocks.Buffer(capacity);
    uint32_t length = capacity;
    SetLastError(kErrorBeforeCall);
    const PatBool ok = PatGetDeviceName(kind, name, check, text, sizeSelector == 1 ? nullptr : &length);
    CheckTextResult(ok, GetLastError(), text, capacity, length);
    return 0;
}
