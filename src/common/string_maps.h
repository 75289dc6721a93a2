// Which string number holds the text for a message code, a part or an
// optional unit.  Maps are found by kind and form in the map directory.
#pragma once

#include <stdint.h>

#include "pat.h"

constexpr uint32_t kEndOfMap = 0xFFFFFFFFu;

// Ends with the key kEndOfMap; the first row with a key wins.
struct StringMapRow {
    uint32_t key;
    uint32_t stringNumber;
};

enum StringMapKind : uint32_t {
    kStatusTextMaps = 1,         // reduced-set bit clear
    kReducedStatusTextMaps = 2,  // reduced-set bit set
    kPartNameMaps = 3,
    kOptionalUnitMaps = 4,
};

extern const StringMapRow kLongTextMap[];
extern const StringMapRow kShortTextMap[];
extern const StringMapRow kReducedLongTextMap[];
extern const StringMapRow kReducedShortTextMap[];
// The part-name map has one row per part; a part list holds each part once.
constexpr uint32_t kPartCount = 28;
extern const StringMapRow kPartNameMap[kPartCount + 1];
extern const StringMapRow kOptionalUnitMap[];

// Null when no map serves that kind and form.
const StringMapRow *FindStringMap(uint32_t kind, uint32_t form);

// The row holding the key, or null.
const StringMapRow *FindStringMapRow(const StringMapRow *map, uint32_t key);
