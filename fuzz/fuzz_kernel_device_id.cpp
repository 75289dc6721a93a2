// The host's parse of the kernel's length-prefixed device ID (a USB
// printer's answer) on arbitrary bytes, read to their length only.
#include <string>

#include "printer/kernel_device_id.h"
#include "target_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    ExactCopy buffer(data, size);
    std::string deviceId, problem;
    if (ParseKernelDeviceId(reinterpret_cast<const unsigned char *>(buffer.bytes), size, &deviceId, &problem) &&
        deviceId.size() + 2 > size)
        __builtin_trap();
    return 0;
}
