// What the host takes for a printer's device ID, wherever it comes from:
// given on the command line or in a file, or asked of the printer.
#pragma once

#include <stddef.h>

#include <string>

// An IEEE 1284 device ID is preceded by its length in two bytes, which count
// themselves: no printer's device ID is longer than this.
const size_t kMaxDeviceIdLength = 65535 - 2;

// The device ID given as text, or the content of `file` when it names one
// (a line end at its end left out); false, with the reason, when the file
// cannot be read or the device ID is longer than kMaxDeviceIdLength.
bool LoadDeviceId(const std::string &given, const std::string &file, std::string *deviceId, std::string *error);
