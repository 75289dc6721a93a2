// The USB printer-class port's device ID as the kernel shows it in sysfs.
// Plain file reading, so it builds everywhere; only Linux has the file.
#include "base/host_files.h"
#include "printer/device_ids.h"
#include "printer/kernel_device_id.h"

bool ReadSysfsDeviceId(const std::string &devicePath, const std::string &sysfsRoot, std::string *deviceId,
                       std::string *problem) {
    std::string::size_type slash = devicePath.find_last_of('/');
    std::string portName = slash == std::string::npos ? devicePath : devicePath.substr(slash + 1);
    if (portName.empty()) {
        *problem = devicePath + ": not the path of a printer port";
        return false;
    }
    std::string path = sysfsRoot + "/class/usbmisc/" + portName + "/device/ieee1284_id";
    std::string text;
    if (!ReadWholeFile(path, &text)) {
        *problem = path + ": cannot be read";
        return false;
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    if (text.empty()) {
        *problem = path + ": the printer reports no device ID";
        return false;
    }
    if (text.size() > kMaxDeviceIdLength) {
        *problem = path + ": the device ID is longer than the host accepts";
        return false;
    }
    *deviceId = text;
    return true;
}
