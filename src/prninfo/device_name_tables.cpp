#include "prninfo/device_name_tables.h"

#include <string.h>

#include <array>
#include <iterator>

#include "common/family_vocabulary.h"

namespace {

// Every tray's name, then the default for a name the family does not know.
constexpr std::array<DeviceNameRow, std::size(kFamilyTrays) + 1> TrayNameRows() {
    std::array<DeviceNameRow, std::size(kFamilyTrays) + 1> rows{};
    size_t n = 0;
    for (const FamilyTray &tray : kFamilyTrays) rows[n++] = {tray.deviceName, tray.trayId, tray.displayString};
    rows[n] = {nullptr, kTrayNone, 0};
    return rows;
}

constexpr std::array<DeviceNameRow, std::size(kFamilyOutputBins) + 1> OutBinNameRows() {
    std::array<DeviceNameRow, std::size(kFamilyOutputBins) + 1> rows{};
    size_t n = 0;
    for (const FamilyOutputBin &bin : kFamilyOutputBins) rows[n++] = {bin.deviceName, bin.binId, bin.displayString};
    rows[n] = {nullptr, kBinUnnamed, 0};
    return rows;
}

constexpr auto kTrayNameRows = TrayNameRows();
constexpr auto kOutBinNameRows = OutBinNameRows();

}  // namespace

const DeviceNameRow *const kTrayNameTable = kTrayNameRows.data();
const DeviceNameRow *const kOutBinNameTable = kOutBinNameRows.data();

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
