#include "printer/device_ids.h"

#include "base/host_files.h"

bool LoadDeviceId(const std::string &given, const std::string &file, std::string *deviceId, std::string *error) {
    *deviceId = given;
    if (!file.empty()) {
        if (!ReadWholeFile(file, deviceId)) {
            *error = file + ": cannot be read";
            return false;
        }
        // A device ID is one line; the file may end it.
        while (!deviceId->empty() && (deviceId->back() == '\n' || deviceId->back() == '\r')) deviceId->pop_back();
    }
    if (deviceId->size() > kMaxDeviceIdLength) {
        *error = "the device ID is " + std::to_string(deviceId->size()) + " bytes long; one holds at most " +
                 std::to_string(kMaxDeviceIdLength);
        deviceId->clear();
        return false;
    }
    return true;
}
