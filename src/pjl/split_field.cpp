#include "split_field.h"

#include <string.h>

namespace {

bool IsDelimiter(char c, const char *delimiters) { return strchr(delimiters, c) != nullptr; }

// The copy up to the first character for which `stops` holds; the rest as
// SplitField says.
template <typename Stops>
const char *CopyField(const char *source, const char *limit, char *buffer, uint32_t capacity, Stops stops) {
    const char *p = source;
    uint32_t copied = 0;
    while (copied + 1 < capacity && !AtTextEnd(p, limit) && !stops(*p)) buffer[copied++] = *p++;
    if (capacity != 0) buffer[copied] = '\0';
    return AtTextEnd(p, limit) ? p : p + 1;
}

}  // namespace

// Nearly every field ends at a single delimiter, compared directly rather
// than searched for in the set at every character.
const char *SplitField(const char *source, const char *limit, char *buffer, uint32_t capacity,
                       const char *delimiters) {
    if (delimiters[0] != '\0' && delimiters[1] == '\0') {
        const char delimiter = delimiters[0];
        return CopyField(source, limit, buffer, capacity, [delimiter](char c) { return c == delimiter; });
    }
    return CopyField(source, limit, buffer, capacity, [delimiters](char c) { return IsDelimiter(c, delimiters); });
}
