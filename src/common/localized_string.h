// Strings of the library's string tables in the current language, converted
// to that language's ANSI code page (not the host's).
#pragma once

#include <stdint.h>

#include "platform/platform.h"
#include "string_maps.h"

// Loads string `number` into `buffer` (capacity `size`, terminator included).
// Returns PAT_OK, PAT_ERROR_UNKNOWN_LANGUAGE when the language has no ANSI code page, or
// PAT_ERROR_MISSING_TABLE when its string block is missing or memory runs out.  A string
// that does not fit is cut after the last whole character that does.
uint32_t LoadLocalizedString(uint32_t number, char *buffer, uint32_t size);

// Loads the string the map gives for `key`.  Returns PAT_OK, PAT_ERROR_MISSING_TABLE (no map,
// key not in the map, size 0, or the string cannot be loaded) or PAT_ERROR_UNKNOWN_LANGUAGE.
// On failure the buffer holds the empty text.
uint32_t LoadMappedString(const StringMapRow *map, uint32_t key, char *buffer, uint32_t size);

// The pieces of a load, for checking the tables themselves.
struct StoredString {
    const uint8_t *units;  // UTF-16LE code units as stored in the block (not aligned)
    uint32_t length;       // in code units
};
uint32_t FindStoredString(WORD language, uint32_t number, StoredString *found);
uint32_t AnsiCodePageOf(WORD language, UINT *codePage);
