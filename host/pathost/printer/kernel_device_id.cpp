// The parse of the kernel's length-prefixed device ID; kept free of any
// system header so that every build (and the fuzz target) has it.
#include "printer/kernel_device_id.h"

bool ParseKernelDeviceId(const unsigned char *buffer, size_t size, std::string *deviceId, std::string *problem) {
    if (size < 2) {
        *problem = "the printer's device ID buffer is too short for its length";
        return false;
    }
    // The printer counts the two length bytes in the length.
    size_t length = (static_cast<size_t>(buffer[0]) << 8) | buffer[1];
    if (length <= 2) {
        *problem = "the printer reports an empty device ID";
        return false;
    }
    if (length > size) {
        *problem = "the printer's device ID claims more bytes than it sent";
        return false;
    }
    deviceId->assign(reinterpret_cast<const char *>(buffer) + 2, length - 2);
    return true;
}
