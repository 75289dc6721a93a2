// The device ID of a printer on a USB printer-class port, as the Linux
// kernel hands it over: the printer's own answer to the IEEE 1284 "get
// device ID" request, a two-byte big-endian length (counting itself)
// followed by the ID text.
#pragma once

#include <stddef.h>

#include <string>

// Takes the ID out of a kernel buffer of `size` bytes.
//   buffer, size: what the ioctl filled in (size: the buffer's capacity)
//   deviceId:     receives the ID text on success
//   problem:      receives why there is none on failure
// False when the length is below 2 (no ID), leaves nothing after the prefix,
// or claims more bytes than the buffer holds.
bool ParseKernelDeviceId(const unsigned char *buffer, size_t size, std::string *deviceId, std::string *problem);

// The ID the kernel keeps for a USB printer-class port in sysfs
// (<root>/class/usbmisc/lpN/device/ieee1284_id, the ID without its length).
//   devicePath: the port's device node, e.g. /dev/usb/lp0 (its name picks lpN)
//   sysfsRoot:  "/sys" on a real system; tests point it at a fixture folder
//   deviceId:   receives the ID (a trailing line end removed)
//   problem:    receives why there is none
bool ReadSysfsDeviceId(const std::string &devicePath, const std::string &sysfsRoot, std::string *deviceId,
                       std::string *problem);
