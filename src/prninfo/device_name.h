// Display names of input trays, output bins and installed options in the
// current language.
#pragma once

#include <stdint.h>

// Kinds of name, each with the check byte the host must pass along.
enum DeviceNameKind : uint32_t {
    kInputTrayName = 1,     // name: the tray's fixed English name
    kOutputBinName = 2,     // name: the bin's fixed English name
    kInstalledOptionName = 3,  // name: points to a 32-bit option code
};

// Composes the display name and copies it into `text` (capacity in `*length`
// on entry).  `*length` receives the needed length, terminator included, only
// when the name was found and loaded.  Returns 0, 87, 122, 0x2000FFFF or
// 0x20000001; `text` is written only on success.
uint32_t GetDeviceName(uint32_t kind, const void *name, uint32_t checkByte, char *text, uint32_t *length);
