// Helpers shared by the export gates: argument checks and the last-error
// convention (every export sets the last error on every return).
#pragma once

#include <stdint.h>

#include "pat.h"
#include "platform/platform.h"

// Only the low 16 bits of a source-type argument name the source type.
inline bool IsAcceptedSourceType(uint32_t sourceType) {
    switch (sourceType & 0xFFFFu) {
        case PAT_SOURCE_1:
        case PAT_SOURCE_2:
        case PAT_SOURCE_4:
        case PAT_SOURCE_8:
        case PAT_SOURCE_8000: return true;
        default: return false;
    }
}

// Only the low byte of an interface-version argument is compared.
inline bool InterfaceVersionIs(uint32_t argument, uint8_t expected) {
    return static_cast<uint8_t>(argument) == expected;
}

inline PatBool SucceedWith(PatBool result) {
    SetLastError(PAT_OK);
    return result;
}

inline PatBool FailWith(uint32_t error) {
    SetLastError(error);
    return 0;
}

template <typename T>
inline T *FailWithNull(uint32_t error) {
    SetLastError(error);
    return nullptr;
}
