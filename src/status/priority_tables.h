// Which status codes matter most, per source type.  A smaller priority is
// more urgent; a code that no row matches has priority kPriorityNotInTable.
#pragma once

#include <stdint.h>

#include "status_code.h"

constexpr uint16_t kPriorityNotInTable = 65535;

// Ends with a row whose pattern is null.  Row order decides among wildcard rows.
struct PriorityRow {
    constexpr PriorityRow(const char *pattern, uint16_t priority)
        : pattern(pattern), priority(priority), exactCode(ExactCodeOf(pattern)) {}

    const char *pattern;
    uint16_t priority;
    uint64_t exactCode;  // ExactCodeOf(pattern)
};

// Keyed by the whole source-type argument, reduced-set bit included; ends
// with the key 0xFFFFFFFF.
struct PriorityTableMapRow {
    uint32_t sourceType;
    const PriorityRow *table;
};

extern const PriorityRow kPriorityTableT1[];
extern const PriorityRow kPriorityTableT2[];
extern const PriorityRow kPriorityTableT4[];
extern const PriorityRow kPriorityTableT8[];
extern const PriorityTableMapRow kPriorityTableMap[];

// Null when the source-type argument has no table (source type 0x8000).
const PriorityRow *FindPriorityTable(uint32_t sourceType);

// An exact row wins over any wildcard row, wherever it stands in the table.
uint16_t LookUpPriority(const PriorityRow *table, uint32_t code);
