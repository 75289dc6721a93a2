#include "printer/device_ids.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>

namespace {

// A file may end its device ID with a line end.
const size_t kLineEndRoom = 2;

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

// Reads at most `limit` bytes, so that a file without end (/dev/zero) is
// refused rather than read on.  A directory is refused; *regular says
// whether the file is a regular one (which may change), not a pipe or device.
bool ReadAtMost(const std::string &path, size_t limit, std::string *text, bool *regular, std::string *error) {
    FILE *file = fopen(path.c_str(), "rb");
    if (file == nullptr) {
        *error = path + ": cannot be read (" + strerror(errno) + ")";
        return false;
    }
    struct stat status;
    const bool described = fstat(fileno(file), &status) == 0;
    if (described && S_ISDIR(status.st_mode)) {
        fclose(file);
        *error = path + ": a directory, not a file holding a device ID";
        return false;
    }
    *regular = described && S_ISREG(status.st_mode);
    text->resize(limit);
    const size_t got = fread(&(*text)[0], 1, limit, file);
    const bool failed = ferror(file) != 0;
    fclose(file);
    text->resize(got);
    if (failed) *error = path + ": cannot be read";
    return !failed;
}

// Why a device ID file's content is no device ID; empty when it is one.
std::string RefusalOfContent(const std::string &path, const std::string &text) {
    if (text.size() > kMaxDeviceIdLength) {
        return path + ": longer than " + std::to_string(kMaxDeviceIdLength) + " bytes, more than a device ID holds";
    }
    if (text.empty()) return path + ": empty, no device ID in it";
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            return path + ": not text (byte " + std::to_string(i) + " is " + std::to_string(c) +
                   "): a device ID is one line of text";
        }
    }
    return "";
}

}  // namespace

bool LoadDeviceId(const std::string &given, const std::string &file, std::string *deviceId, std::string *error,
                  bool *fileMayChange) {
    *deviceId = given;
    if (fileMayChange != nullptr) *fileMayChange = false;
    if (!file.empty()) {
        std::string text;
        bool regular = false;
        if (!ReadAtMost(file, kMaxDeviceIdLength + kLineEndRoom + 1, &text, &regular, error)) return false;
        // A device ID is one line; the file may end it.
        while (!text.empty() && IsLineEnd(text.back())) text.pop_back();
        *error = RefusalOfContent(file, text);
        if (!error->empty()) return false;
        *deviceId = text;
        if (fileMayChange != nullptr) *fileMayChange = regular;
    }
    if (deviceId->size() > kMaxDeviceIdLength) {
        *error = "the device ID is " + std::to_string(deviceId->size()) + " bytes long; one holds at most " +
                 std::to_string(kMaxDeviceIdLength);
        deviceId->clear();
        return false;
    }
    return true;
}
