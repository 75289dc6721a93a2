#include "library/library_errors.h"

#include <stdio.h>

#include "pat.h"

namespace {

const char *Meaning(uint32_t code) {
    switch (code) {
        case PAT_OK: return "success";
        case PAT_ERROR_NOT_ENOUGH_MEMORY: return "not enough memory, or the status selection failed";
        case PAT_ERROR_INVALID_DATA: return "invalid data: the text breaks the PJL reply grammar";
        case PAT_ERROR_INVALID_PARAMETER: return "invalid parameter";
        case PAT_ERROR_CALL_NOT_IMPLEMENTED: return "not implemented by this library";
        case PAT_ERROR_INSUFFICIENT_BUFFER: return "buffer too small";
        case PAT_ERROR_UNKNOWN_LANGUAGE: return "unknown language, or no code page for it";
        case PAT_ERROR_INCOMPLETE_REPLY: return "the reply does not answer every question of the query";
        case PAT_ERROR_NO_PALETTE: return "the library has no palette";
        case PAT_ERROR_MISSING_TABLE: return "a table or text the call needs is missing";
        default: return "system error";
    }
}

}  // namespace

std::string DescribeLibraryError(uint32_t code) {
    char number[16];
    snprintf(number, sizeof number, code < 0x10000 ? "%u" : "0x%08X", static_cast<unsigned>(code));
    return std::string("error ") + number + " (" + Meaning(code) + ")";
}
