#include "localized_string.h"

#include <stdlib.h>
#include <string.h>

#include "common/library_state.h"
#include "pat.h"

namespace {

constexpr uint32_t kStringsPerBlock = 16;
constexpr uint32_t kLocalWideUnits = 512;

uint16_t ReadUnit(const uint8_t *at) { return static_cast<uint16_t>(at[0] | (at[1] << 8)); }

bool IsHighSurrogate(WCHAR unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(WCHAR unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Whole characters only, so a text that is too long never ends in half a
// double-byte character.
void ConvertWhatFits(UINT codePage, const WCHAR *wide, char *buffer, uint32_t size) {
    uint32_t used = 0;
    for (uint32_t i = 0; wide[i] != 0;) {
        const int units = IsHighSurrogate(wide[i]) && IsLowSurrogate(wide[i + 1]) ? 2 : 1;
        char bytes[8];
        const int n = WideCharToMultiByte(codePage, 0, wide + i, units, bytes, sizeof bytes, nullptr, nullptr);
        if (n <= 0 || used + static_cast<uint32_t>(n) >= size) break;
        memcpy(buffer + used, bytes, n);
        used += n;
        i += units;
    }
    buffer[used] = '\0';
}

// The stored units are copied into an aligned, terminated buffer first: on
// the stack for every string the library uses, on the heap beyond that.
uint32_t ConvertStoredString(UINT codePage, const StoredString &stored, char *buffer, uint32_t size) {
    WCHAR local[kLocalWideUnits];
    WCHAR *wide = local;
    if (stored.length >= kLocalWideUnits) {
        wide = static_cast<WCHAR *>(GlobalAlloc(GMEM_FIXED, (stored.length + 1) * sizeof(WCHAR)));
        if (wide == nullptr) return PAT_ERROR_MISSING_TABLE;
    }
    for (uint32_t i = 0; i < stored.length; ++i) wide[i] = ReadUnit(stored.units + 2 * i);
    wide[stored.length] = 0;
    if (WideCharToMultiByte(codePage, 0, wide, -1, buffer, static_cast<int>(size), nullptr, nullptr) == 0) {
        ConvertWhatFits(codePage, wide, buffer, size);
    }
    if (wide != local) GlobalFree(wide);
    return PAT_OK;
}

}  // namespace

uint32_t AnsiCodePageOf(WORD language, UINT *codePage) {
    char text[16];
    if (GetLocaleInfoA(MAKELCID(language, SORT_DEFAULT), LOCALE_IDEFAULTANSICODEPAGE, text, sizeof text) == 0) {
        return PAT_ERROR_UNKNOWN_LANGUAGE;
    }
    *codePage = static_cast<UINT>(strtoul(text, nullptr, 10));
    return PAT_OK;
}

// A block holds 16 strings, each a 16-bit length and that many units; every
// step is checked against the block's size.
uint32_t FindStoredString(WORD language, uint32_t number, StoredString *found) {
    const uint32_t blockId = number / kStringsPerBlock + 1;
    if (blockId > 0xFFFFu) return PAT_ERROR_MISSING_TABLE;
    HMODULE module = LibraryModule();
    HRSRC resource = FindResourceExA(module, RT_STRING, MAKEINTRESOURCEA(blockId), language);
    HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
    const auto *block = static_cast<const uint8_t *>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (block == nullptr) return PAT_ERROR_MISSING_TABLE;
    const uint32_t blockSize = SizeofResource(module, resource);
    uint32_t offset = 0;
    for (uint32_t skipped = 0;; ++skipped) {
        if (offset + 2 > blockSize) return PAT_ERROR_MISSING_TABLE;
        const uint32_t length = ReadUnit(block + offset);
        if (offset + 2 + 2 * length > blockSize) return PAT_ERROR_MISSING_TABLE;
        if (skipped == number % kStringsPerBlock) {
            *found = {block + offset + 2, length};
            return PAT_OK;
        }
        offset += 2 + 2 * length;
    }
}

uint32_t LoadLocalizedString(uint32_t number, char *buffer, uint32_t size) {
    if (buffer == nullptr || size == 0) return PAT_ERROR_MISSING_TABLE;
    buffer[0] = '\0';
    const WORD language = CurrentLanguage();
    UINT codePage = 0;
    StoredString stored;
    uint32_t error = AnsiCodePageOf(language, &codePage);
    if (error == PAT_OK) error = FindStoredString(language, number, &stored);
    if (error == PAT_OK) error = ConvertStoredString(codePage, stored, buffer, size);
    return error;
}

uint32_t LoadMappedString(const StringMapRow *map, uint32_t key, char *buffer, uint32_t size) {
    if (map == nullptr || buffer == nullptr || size == 0) return PAT_ERROR_MISSING_TABLE;
    const StringMapRow *row = FindStringMapRow(map, key);
    if (row == nullptr) {
        buffer[0] = '\0';
        return PAT_ERROR_MISSING_TABLE;
    }
    const uint32_t error = LoadLocalizedString(row->stringNumber, buffer, size);
    if (error != PAT_OK) buffer[0] = '\0';
    return error;
}
