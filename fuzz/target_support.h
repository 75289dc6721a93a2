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

// Aborts with the message unless the condition holds.
void Expect(bool condition, const char *what);
// Aborts unless the first `capacity` bytes of `text` hold a NUL.
void CheckTerminatedWithin(const char *text, uint32_t capacity);
// Aborts unless `length` bytes at `bytes` all still hold `fill`.
void CheckUntouched(const void *bytes, size_t length, uint8_t fill);

// A byte the host's buffers hold until the library writes them.
constexpr uint8_t kUnwrittenByte = 0xCD;
// The contract of an export that hands out a text through a buffer and a
// length in/out argument (error set before the call to 0x7777): a success
// sets error 0 and leaves a NUL-terminated text of the returned length within
// the buffer; a failure sets its error, leaves the buffer unwritten, and
// changes the length only to report a buffer too small.
constexpr uint32_t kErrorBeforeCall = 0x7777;
void CheckTextResult(PatBool ok, uint32_t error, const char *text, uint32_t capacity, uint32_t length);
