// The seventeen languages of the string tables, chosen by name.
#pragma once

#include <stdint.h>

// Makes the named language current ("EN", "zh_cn"...: case does not matter,
// only the first nine characters are looked at).  Returns PAT_OK, or PAT_ERROR_UNKNOWN_LANGUAGE
// for a name that is not a language of the table; the current language then
// stays as it was.
uint32_t SetLocaleByName(const char *name);
