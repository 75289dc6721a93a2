// The seventeen languages of the string tables, chosen by name.
#pragma once

#include <stdint.h>

// Makes the named language current ("EN", "zh_cn"...: case does not matter,
// only the first nine characters are looked at).  Returns 0, or 0x20000001
// for a name that is not a language of the table; the current language then
// stays as it was.
uint32_t SetLocaleByName(const char *name);
