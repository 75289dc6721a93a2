#include "split_field.h"

// A field of a device ID is a few to a few dozen characters long: a plain
// loop, no call of memchr.
FieldPlace FindField(const char *source, const char *limit, uint32_t maxLength, char delimiter) {
    const size_t available = static_cast<size_t>(limit - source);
    const char *stop = source + (available < maxLength ? available : maxLength);
    const char *p = source;
    while (p < stop && *p != delimiter) ++p;
    return {source, static_cast<uint32_t>(p - source), p < limit ? p + 1 : p};
}
