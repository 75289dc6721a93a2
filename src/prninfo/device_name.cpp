#include "device_name.h"

#include <string.h>

#include "pat.h"
#include "prninfo/device_name_tables.h"
#include "common/localized_string.h"

namespace {

constexpr uint32_t kDeviceNameSize = 256;

uint32_t ComposeNamedDevice(const DeviceNameRow *table, const char *name, char (&composed)[kDeviceNameSize]) {
    const DeviceNameRow *row = FindDeviceNameRow(table, name);
    if (row == nullptr || row->displayString == 0) return PAT_ERROR_INVALID_PARAMETER;
    return LoadLocalizedString(row->displayString, composed, sizeof composed);
}

uint32_t ComposeOption(const uint32_t *optionCode, char (&composed)[kDeviceNameSize]) {
    if (optionCode == nullptr) return PAT_ERROR_INVALID_PARAMETER;
    return LoadMappedString(FindStringMap(kOptionalUnitMaps, PAT_TEXT_FORM_SHORT), *optionCode, composed, sizeof composed);
}

uint32_t Compose(uint32_t kind, const void *name, uint8_t checkByte, char (&composed)[kDeviceNameSize]) {
    switch (kind) {
        case PAT_DEVICE_NAME_TRAY:
        case PAT_DEVICE_NAME_OUTPUT_BIN:
            if (checkByte != PAT_CHECK_NAMED_DEVICE) return PAT_ERROR_INVALID_PARAMETER;
            return ComposeNamedDevice(kind == PAT_DEVICE_NAME_TRAY ? kTrayNameTable : kOutBinNameTable,
                                      static_cast<const char *>(name), composed);
        case PAT_DEVICE_NAME_OPTION:
            if (checkByte != PAT_CHECK_OPTION) return PAT_ERROR_INVALID_PARAMETER;
            return ComposeOption(static_cast<const uint32_t *>(name), composed);
        default: return PAT_ERROR_INVALID_PARAMETER;
    }
}

}  // namespace

uint32_t GetDeviceName(uint32_t kind, const void *name, uint32_t checkByte, char *text, uint32_t *length) {
    char composed[kDeviceNameSize] = "";
    const uint32_t error = Compose(kind, name, static_cast<uint8_t>(checkByte), composed);
    if (error != PAT_OK) return error;
    const uint32_t needed = static_cast<uint32_t>(strlen(composed)) + 1;
    const uint32_t capacity = *length;
    *length = needed;
    // A null buffer is treated as one too small, whatever capacity came with it.
    if (text == nullptr || capacity < needed) return PAT_ERROR_INSUFFICIENT_BUFFER;
    memcpy(text, composed, needed);
    return PAT_OK;
}
