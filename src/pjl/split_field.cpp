#include "split_field.h"

#include <string.h>

namespace {

bool IsDelimiter(char c, const char *delimiters) { return strchr(delimiters, c) != nullptr; }

}  // namespace

const char *SplitField(const char *source, const char *limit, char *buffer, uint32_t capacity,
                       const char *delimiters) {
    const char *p = source;
    uint32_t copied = 0;
    while (copied + 1 < capacity && !AtTextEnd(p, limit) && !IsDelimiter(*p, delimiters)) {
        buffer[copied++] = *p++;
    }
    if (capacity != 0) buffer[copied] = '\0';
    return AtTextEnd(p, limit) ? p : p + 1;
}
