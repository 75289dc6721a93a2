#include "locale_choice.h"

#include <string.h>

#include "common/library_state.h"
#include "pat.h"
#include "platform/platform.h"

namespace {

struct LocaleRow {
    const char *name;
    WORD language;
};

// Ends with a row whose name is null.
const LocaleRow kLocaleTable[] = {
    {"JP", MAKELANGID(0x11, 0x01)},    {"EN", MAKELANGID(0x09, 0x01)}, {"DE", MAKELANGID(0x07, 0x01)},
    {"FR", MAKELANGID(0x0C, 0x01)},    {"IT", MAKELANGID(0x10, 0x01)}, {"ES", MAKELANGID(0x0A, 0x01)},
    {"NL", MAKELANGID(0x13, 0x01)},    {"SV", MAKELANGID(0x1D, 0x01)}, {"DA", MAKELANGID(0x06, 0x01)},
    {"NO", MAKELANGID(0x14, 0x01)},    {"CS", MAKELANGID(0x05, 0x01)}, {"HU", MAKELANGID(0x0E, 0x01)},
    {"PT", MAKELANGID(0x16, 0x01)},    {"PL", MAKELANGID(0x15, 0x01)}, {"FI", MAKELANGID(0x0B, 0x01)},
    {"ZH_CN", MAKELANGID(0x04, 0x02)}, {"ZH_TW", MAKELANGID(0x04, 0x01)},
    {nullptr, 0},
};

constexpr size_t kComparedCharacters = 9;

// The names are a few characters long and most differ in the first: a loop
// here costs less than a call of strcmp per row.
bool SameName(const char *a, const char *b) {
    for (; *a == *b; ++a, ++b) {
        if (*a == '\0') return true;
    }
    return false;
}

}  // namespace

uint32_t SetLocaleByName(const char *name) {
    char upper[kComparedCharacters + 1] = {};
    memcpy(upper, name, strnlen(name, kComparedCharacters));
    CharUpperA(upper);
    for (const LocaleRow *row = kLocaleTable; row->name != nullptr; ++row) {
        if (SameName(row->name, upper)) {
            SetCurrentLanguage(row->language);
            return PAT_OK;
        }
    }
    return PAT_ERROR_UNKNOWN_LANGUAGE;
}
