#include "prninfo/device_name_tables.h"

#include <string.h>

const DeviceNameRow kTrayNameTable[] = {
    {"Tray 1", 3, 5000},
    {"Tray 2", 4, 5001},
    {"Tray 3", 5, 5002},
    {"Tray 4", 6, 5003},
    {"Tray 3 (LCT)", 11, 5004},
    {"Bypass Tray", 1, 5005},
    {nullptr, 0, 0},
};

const DeviceNameRow kOutBinNameTable[] = {
    {"Internal Tray 1", 1, 5020},
    {"Internal Shift Tray", 1, 5021},
    {"Internal Tray 2", 2, 5022},
    {"Finisher Upper Tray", 5, 5023},
    {"Finisher Shift Tray", 4, 5024},
    {"Finisher Booklet Tray", 27, 5025},
    {nullptr, 255, 0},
};

const DeviceNameRow *FindDeviceNameRow(const DeviceNameRow *table, const char *name) {
    if (name == nullptr) return nullptr;
    for (const DeviceNameRow *row = table; row->name != nullptr; ++row) {
        if (strcmp(row->name, name) == 0) return row;
    }
    return nullptr;
}

uint32_t DeviceNameId(const DeviceNameRow *table, const char *name) {
    const DeviceNameRow *row = FindDeviceNameRow(table, name);
    if (row != nullptr) return row->id;
    while (table->name != nullptr) ++table;
    return table->id;
}
