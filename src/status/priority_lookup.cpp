#include "priority_tables.h"
#include "status_code.h"

const PriorityRow *FindPriorityTable(uint32_t sourceType) {
    for (const PriorityTableMapRow *row = kPriorityTableMap; row->sourceType != 0xFFFFFFFFu; ++row) {
        if (row->sourceType == sourceType) return row->table;
    }
    return nullptr;
}

uint16_t LookUpPriority(const PriorityRow *table, uint32_t code) {
    for (const PriorityRow *row = table; row->pattern != nullptr; ++row) {
        if (row->exactCode == code) return row->priority;
    }
    char decimal[kDecimalCodeSize];
    FormatStatusCode(code, decimal);
    for (const PriorityRow *row = table; row->pattern != nullptr; ++row) {
        if (MatchCodePattern(decimal, row->pattern)) return row->priority;
    }
    return kPriorityNotInTable;
}
