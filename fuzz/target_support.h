// What every fuzz target checks besides the sanitizers: the record's counts
// match its chains, and every global-heap block an input caused is released
// (LeakSanitizer cannot run under i386 emulation; the heap counts blocks).
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "pat.h"

PrnInfoEx FreshRecord();
// Aborts when a list count differs from its chain.
void CheckCountsMatchChains(const PrnInfoEx &record);
// Releases every item and text the record holds, as the host does.
void ReleaseWholeRecord(PrnInfoEx *record);

// Copies the input into a block of exactly its size (and a NUL when asked
// for), so that reading past it is an out-of-bounds read the sanitizer reports.
struct ExactCopy {
    char *bytes;
    size_t size;
    ExactCopy(const uint8_t *data, size_t size, bool terminate = false);
    ~ExactCopy();
};

// Aborts when the heap holds other blocks than at construction.
struct HeapBalance {
    long before;
    HeapBalance();
    ~HeapBalance();
};
