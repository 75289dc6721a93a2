#include "status_code.h"

#include <stdio.h>

void FormatStatusCode(uint32_t code, char (&decimal)[kDecimalCodeSize]) {
    snprintf(decimal, sizeof decimal, "%lu", static_cast<unsigned long>(code));
}

int MatchCodePattern(const char *decimal, const char *pattern) {
    for (; *decimal != '\0' && *pattern != '\0'; ++decimal, ++pattern) {
        const bool wildcard = *pattern >= 'a' && *pattern <= 'z';
        if (*decimal != *pattern && !wildcard) return 0;
    }
    return *decimal == '\0' && *pattern == '\0';
}
