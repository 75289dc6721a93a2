// The address form of a USB printer port, the same on every platform.
#include "printer/usb_printer_port.h"

bool SplitUsbAddress(const std::string &address, std::string *devicePath) {
    const std::string prefix = kUsbAddressPrefix;
    if (address.compare(0, prefix.size(), prefix) != 0) return false;
    *devicePath = address.substr(prefix.size());
    return true;
}
