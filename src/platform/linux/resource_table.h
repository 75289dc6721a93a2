// Resource and locale tables of the Linux build, generated at build time from
// resources/ by tools/gen_resources.py (the same data the .rc gets).
#pragma once

#include <stdint.h>

struct PlatformResourceEntry {
    uint16_t typeId;       // numeric resource type (RT_BITMAP, RT_STRING, RT_VERSION)
    const char *name;      // resource name, or null when named by number
    uint16_t id;           // resource number when name is null
    uint16_t language;
    const uint8_t *data;   // exactly the bytes the PE resource holds
    uint32_t size;
};

// Ends with a row whose data is null.
extern const PlatformResourceEntry kPlatformResources[];

// Where each type's entries stand in kPlatformResources (they stand
// together), so a lookup walks only the entries of its type.
struct PlatformResourceType {
    uint16_t typeId;
    uint32_t first;
    uint32_t count;
};

// Ends with a row whose typeId is 0.
extern const PlatformResourceType kPlatformResourceTypes[];

struct PlatformLocaleEntry {
    uint16_t language;
    uint16_t ansiCodePage;
};

// Ends with a row whose language is 0.
extern const PlatformLocaleEntry kPlatformLocales[];
