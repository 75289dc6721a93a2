// The host's fixed English names of input trays and output bins, with the ids
// of this printer family and the string number of each name's display text,
// taken from the family's vocabulary (common/family_vocabulary.h).
#pragma once

#include <stdint.h>

// The table ends with a row whose name is null; its id is the default.
// A display string of 0 means the name has no display text.
struct DeviceNameRow {
    const char *name;
    uint32_t id;
    uint32_t displayString;
};

extern const DeviceNameRow *const kTrayNameTable;
extern const DeviceNameRow *const kOutBinNameTable;

// The first row whose name equals `name` exactly, or null (also for a null name).
const DeviceNameRow *FindDeviceNameRow(const DeviceNameRow *table, const char *name);
// The id of that row, or the table's default when there is none.
uint32_t DeviceNameId(const DeviceNameRow *table, const char *name);
