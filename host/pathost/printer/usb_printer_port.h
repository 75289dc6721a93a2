// A printer on a USB printer-class port (Linux: /dev/usb/lpN), addressed as
// "usb:DEVICE" (printer_address.cpp): the query written to the port, the
// answers read back from it (the port is bidirectional), the device ID from
// the kernel.
#pragma once

#include <memory>
#include <string>

#include "printer/printer_transport.h"

// Opens the port for reading and writing; null with the reason when it
// cannot be opened, or where this platform has no such ports.
//   devicePath:     e.g. /dev/usb/lp0
//   timeoutSeconds: how long a write may wait for the printer to take it
std::unique_ptr<PrinterChannel> OpenUsbPrinterPort(const std::string &devicePath, double timeoutSeconds,
                                                   std::string *error);

// The printer's device ID as the kernel has it: asked of the port (the
// ioctl), or else read from sysfs (under $PATHOST_SYSFS_ROOT, "/sys" when
// unset).  False with the reason when neither gives one.
bool ReadUsbDeviceId(const std::string &devicePath, std::string *deviceId, std::string *problem);
