#include "split_field.h"

#include <string.h>

namespace {

bool IsDelimiter(char c, const char *delimiters) { return strchr(delimiters, c) != nullptr; }

}  // namespace

const char *SplitField(const char *source, const char *limit, char *buffer, uint32_t capacity,
                       const char *delimiters) {
    const char *p = source;
    uint32_t copied = 0;
    // Device ID fields end at one delimiter each: compared directly, not
    // looked up in the set character by character.
    const char single = delimiters[0] != '\0' && delimiters[1] == '\0' ? delimiters[0] : '\0';
    while (copied + 1 < capacity && !AtTextEnd(p, limit) &&
           (single != '\0' ? *p != single : !IsDelimiter(*p, delimiters))) {
        buffer[copied++] = *p++;
    }
    if (capacity != 0) buffer[copied] = '\0';
    return AtTextEnd(p, limit) ? p : p + 1;
}
