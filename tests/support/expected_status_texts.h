// Status texts as the host receives them, byte for byte, for the examples
// every build must reproduce: English, Japanese (code page 932) and
// Simplified Chinese (code page 936).  Shared by the Linux unit tests and the
// tests that run the Windows DLL.
#pragma once

#include <stdint.h>

#include "support/status_scenario.h"

struct StatusTextCase {
    const char *name;
    const char *locale;
    uint32_t sourceType;
    uint32_t textForm;
    uint32_t codes[3];        // engine status codes, ended by 0
    uint16_t option;          // an installed option, 0 for none
    bool noResponse;
    const char *serviceText;  // text of the service call's item
    uint32_t error;           // 0 when the text below is expected
    const char *text;
};

// Builds the scenario of a case into `scenario` (constructed for its source type).
inline void FillScenario(const StatusTextCase &c, StatusScenario &scenario) {
    for (const uint32_t *code = c.codes; code < c.codes + 3 && *code != 0; ++code) {
        scenario.WithStatus(*code, *code == 40800 && c.serviceText != nullptr ? c.serviceText : "");
    }
    if (c.option != 0) scenario.WithOption(c.option);
    if (c.noResponse) scenario.NoResponse();
}

#define PAT_SERVICE_CALL_EN \
    "Turn the main switch off, then on. \nIf this message appears again, please call your service center. \n"

const StatusTextCase kStatusTextCases[] = {
    {"toner low, long", "EN", 1, 2, {10075, 10073}, 0, false, nullptr, 0,
     "The following toner is low: \nYellow, Cyan"},
    {"toner low, short", "EN", 1, 1, {10073, 10075}, 0, false, nullptr, 0, "Operational"},
    {"toner low, form 0x102 counts as long", "EN", 1, 0x102, {10073, 10075}, 0, false, nullptr, 0,
     "The following toner is low: \nYellow, Cyan"},
    {"form 3 has no map", "EN", 1, 3, {10073}, 0, false, nullptr, PAT_ERROR_MISSING_TABLE, nullptr},
    {"no response, short", "EN", 1, 1, {0}, 0, true, nullptr, 0, "No Response from Machine"},
    {"no response, long", "EN", 4, 2, {0}, 0, true, nullptr, 0, "Check the cable, power cord, and main switch."},
    {"service call, long", "EN", 1, 2, {40800, 10073}, 0, false, "ENGINE SC542", 0, PAT_SERVICE_CALL_EN "SC542"},
    {"service call, short", "EN", 1, 1, {40800}, 0, false, "ENGINE SC542", 0, "Call Service Center"},
    {"misfeed 42001 with option 114, long", "EN", 1, 2, {42001}, 114, false, nullptr, 0,
     "Open the indicated cover, and then remove any jammed paper.\n"
     "Bridge Unit Cover (Right), Bridge Unit Cover (Left), Duplex Unit"},
    {"misfeed 42001 with option 114, short", "EN", 1, 1, {42001}, 114, false, nullptr, 0, "Paper Misfeed"},
    {"source type 0x8000 has no priority table", "EN", 0x8000, 2, {10073}, 0, false, nullptr,
     PAT_ERROR_NOT_ENOUGH_MEMORY, nullptr},
    {"nothing selected has a message", "EN", 1, 2, {99999}, 0, false, nullptr, PAT_ERROR_MISSING_TABLE, nullptr},
    {"misfeed under the reduced set has no text", "EN", 0x80000001u, 2, {42001}, 0, false, nullptr,
     PAT_ERROR_MISSING_TABLE, nullptr},
    {"ready under the reduced set is empty", "EN", 0x80000001u, 2, {10001}, 0, false, nullptr, 0, ""},
    {"reduced set, toner low", "EN", 0x80000002u, 2, {10072}, 0, false, nullptr, 0,
     "The following toner is low: \nBlack"},
    {"Japanese toner low, long", "JP", 1, 2, {10073, 10075}, 0, false, nullptr, 0,
     "\x8e\x9f\x82\xcc\x83g\x83i\x81[\x82\xaa\x8e"
     "c\x82\xe8\x8f\xad\x82\xc8\x82\xad\x82\xc8\x82\xc1\x82\xc4\x82\xa2\x82\xdc\x82\xb7\x81"
     "F\n\x83"
     "C\x83G\x83\x8d\x81[, \x83V\x83"
     "A\x83\x93"},
    {"Japanese misfeed, long", "JP", 1, 2, {42001}, 114, false, nullptr, 0,
     "\x95\x5c\x8e\xa6\x82\xb3\x82\xea\x82\xbd\x83J\x83o\x81[\x82\xf0\x8aJ\x82\xaf\x82\xc4"
     "\x81"
     "A\x82\xc2\x82\xdc\x82\xc1\x82\xbd\x97p\x8e\x86\x82\xf0\x8e\xe6\x82\xe8\x8f\x9c\x82"
     "\xa2\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81"
     "B\n\x83u\x83\x8a\x83"
     "b\x83W\x83\x86\x83j\x83"
     "b\x83g\x83J\x83o\x81[\x81i\x89"
     "E\x81j, \x83u\x83\x8a\x83"
     "b\x83W\x83\x86\x83j\x83"
     "b\x83g\x83J\x83o\x81[\x81i\x8d\xb6\x81j, \x97\xbc\x96\xca\x83\x86\x83j\x83"
     "b\x83g"},
    {"Japanese misfeed, short", "JP", 1, 1, {42001}, 114, false, nullptr, 0, "\x97p\x8e\x86\x82\xc3\x82\xdc\x82\xe8"},
    {"Japanese service call, long", "JP", 8, 2, {40800}, 0, false, "SC123", 0,
     "\x8e\xe5\x93"
     "d\x8c\xb9\x83X\x83"
     "C\x83"
     "b\x83`\x82\xf0\x90\xd8\x82\xe8\x81"
     "A\x8d\xc4\x93x\x93\xfc\x82\xea\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81"
     "B\n\x82\xb1\x82\xcc\x83\x81\x83"
     "b\x83Z\x81[\x83W\x82\xaa\x8d\xc4\x93x\x95\x5c\x8e\xa6\x82\xb3\x82\xea\x82\xe9\x8f"
     "\xea\x8d\x87\x82\xcd\x81"
     "A\x83T\x81[\x83r\x83X\x83Z\x83\x93\x83^\x81[\x82\xc9\x98"
     "A\x97\x8d\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81"
     "B\n"
     "SC123"},
    {"Simplified Chinese toner low, long", "ZH_CN", 1, 2, {10075, 10073}, 0, false, nullptr, 0,
     "\xd2\xd4\xcf\xc2\xcc\xbc\xb7\xdb\xbc\xb4\xbd\xab\xd3\xc3\xcd\xea\xa3\xba\n\xbb\xc6"
     "\xc9\xab, \xc7\xe0\xc9\xab"},
    {"Simplified Chinese misfeed, long", "ZH_CN", 1, 2, {42001}, 115, false, nullptr, 0,
     "\xc7\xeb\xb4\xf2\xbf\xaa\xcb\xf9\xca\xbe\xb8\xc7\xb0\xe5\xa3\xac\xc8\xbb\xba\xf3\xc8"
     "\xa1\xb3\xf6\xbf\xa8\xd6\xbd\xa1\xa3\n\xc7\xc5\xbd\xd3\xb5\xa5\xd4\xaa\xb8\xc7\xb0"
     "\xe5\xa3\xa8\xd3\xd2\xa3\xa9, \xc7\xc5\xbd\xd3\xb5\xa5\xd4\xaa\xb8\xc7\xb0\xe5\xa3"
     "\xa8\xd7\xf3\xa3\xa9, \xcb\xab\xc3\xe6\xb5\xa5\xd4\xaa"},
    {"Simplified Chinese misfeed, short", "ZH_CN", 1, 1, {42001}, 37, false, nullptr, 0, "\xbf\xa8\xd6\xbd"},
    {"Simplified Chinese service call, long", "ZH_CN", 2, 2, {40800}, 0, false, "SC9", 0,
     "\xc7\xeb\xb9\xd8\xb1\xd5\xd6\xf7\xb5\xe7\xd4\xb4\xbf\xaa\xb9\xd8\xa3\xac\xc8\xbb\xba"
     "\xf3\xd4\xd9\xb4\xf2\xbf\xaa\xa1\xa3\n\xc8\xe7\xb9\xfb\xd4\xd9\xb4\xce\xb3\xf6\xcf"
     "\xd6\xb4\xcb\xd0\xc5\xcf\xa2\xa3\xac\xc7\xeb\xc1\xaa\xcf\xb5\xb7\xfe\xce\xf1\xd6\xd0"
     "\xd0\xc4\xa1\xa3\n"
     "SC9"},
};
