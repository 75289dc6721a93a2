// Builds for platforms without USB printer-class ports the host can open
// (the Windows host): "usb:" addresses are refused with the reason.
#include "printer/usb_printer_port.h"

namespace {
const char kNotSupported[] = "USB printer ports (usb:DEVICE) are not supported on this platform";
}

std::unique_ptr<PrinterChannel> OpenUsbPrinterPort(const std::string &, double, std::string *error) {
    *error = kNotSupported;
    return nullptr;
}

bool ReadUsbDeviceId(const std::string &, std::string *, std::string *problem) {
    *problem = kNotSupported;
    return false;
}
