// Host-side helpers for tests that fill or read a printer information record.
#pragma once

#include <stdint.h>

#include "pat.h"

// A zeroed record with an accepted version.
PrnInfoEx MakeRecord(uint32_t version = PAT_PRNINFOEX_MIN_VERSION);

// Releases every list item and text the record holds, as the host would, and
// leaves the lists empty and the texts null.
void ReleaseRecord(PrnInfoEx *record);

// Number of items in a chain (any list: they share the item header).
uint32_t ChainLength(const void *first);

// GoogleTest check that every list count of the record equals its chain.
void ExpectCountsMatchChains(const PrnInfoEx &record);

// Builds an item of the given size and id and links it at the end of a list
// of the record, counting it; for tests that prepare a record by hand.
void *AddTestItem(void **headField, uint32_t *countField, uint32_t itemSize, uint16_t id);

template <typename Item>
Item *AddTestItem(Item **headField, uint32_t *countField, uint16_t id) {
    return static_cast<Item *>(
        AddTestItem(reinterpret_cast<void **>(headField), countField, sizeof(Item), id));
}
