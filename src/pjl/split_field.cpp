#include "split_field.h"

#include <string.h>

namespace {

bool AtEnd(const char *p, const char *limit) { return (limit != nullptr && p >= limit) || *p == '\0'; }

bool IsDelimiter(char c, const char *delimiters) { return strchr(delimiters, c) != nullptr; }

}  // namespace

const char *SplitField(const char *source, const char *limit, char *buffer, uint32_t capacity,
                       const char *delimiters) {
    const char *p = source;
    uint32_t copied = 0;
    while (copied + 1 < capacity && !AtEnd(p, limit) && !IsDelimiter(*p, delimiters)) {
        buffer[copied++] = *p++;
    }
    if (capacity != 0) buffer[copied] = '\0';
    return AtEnd(p, limit) ? p : p + 1;
}
