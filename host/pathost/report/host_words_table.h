// The host's own words, generated from host/words by tools/gen_host_words.py.
#pragma once

#include <stdint.h>

struct HostWordRow {
    uint32_t number;  // 0 ends the rows
    const char *text;  // UTF-8
};

struct HostWordsLanguage {
    const char *language;  // the library's language name, "EN", "ZH_CN"...; null ends the table
    const HostWordRow *rows;
};

extern const HostWordsLanguage kHostWordsLanguages[];
