// Files pathost reads and writes: captured replies, device IDs.
#include <fstream>
#include <sstream>

#include "commands/commands.h"

bool ReadWholeFile(const std::string &path, std::string *content) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream text;
    text << file.rdbuf();
    *content = text.str();
    return true;
}

bool WriteWholeFile(const std::string &path, const std::string &content) {
    std::ofstream file(path, std::ios::binary);
    file << content;
    return static_cast<bool>(file.flush());
}

bool LoadDeviceId(const HostOptions &options, const std::string &file, std::string *deviceId, std::string *error) {
    *deviceId = options.deviceId;
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
