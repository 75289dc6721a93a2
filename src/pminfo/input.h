// Reading the host's peripheral information, where a pointer is absent when
// null or all ones and a number is absent when it is 0xFFFFFFFF.  Whatever
// is absent is skipped, never dereferenced.
#pragma once

#include <stdint.h>

#include "pat.h"

inline bool IsAbsentNumber(uint32_t value) { return value == PAT_PM_ABSENT; }

inline bool IsAbsentPointer(const void *pointer) {
    return pointer == nullptr || pointer == PAT_PM_ABSENT_POINTER;
}

// The text, or null when absent.
inline const char *PresentText(const char *text) { return IsAbsentPointer(text) ? nullptr : text; }

// A list that can be walked, or null when it is to be skipped as a whole.
inline const PatPMList *PresentList(const PatPMList *list) {
    if (IsAbsentPointer(list) || IsAbsentNumber(list->nEntries) || IsAbsentPointer(list->ppEntries)) {
        return nullptr;
    }
    return list;
}

// Entry `index` of a present list, or null when the host left that slot absent.
template <typename Entry>
inline const Entry *ListEntry(const PatPMList *list, uint32_t index) {
    const void *entry = list->ppEntries[index];
    return IsAbsentPointer(entry) ? nullptr : static_cast<const Entry *>(entry);
}
