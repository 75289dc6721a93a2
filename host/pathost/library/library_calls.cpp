#include "library/library_calls.h"

#include <functional>
#include <vector>

namespace {

const uint32_t kFirstBufferSize = 512;

// Calls `fill` with a buffer and its capacity, once more with the needed
// capacity when the library answers 122.  The first buffer is on the stack:
// the library's texts fit it, so a poll asks the heap for nothing here.
uint32_t FetchText(const PatExports &exports, const std::function<PatBool(char *, uint32_t *)> &fill,
                   std::string *text) {
    text->clear();
    char first[kFirstBufferSize];
    uint32_t length = sizeof first;
    if (fill(first, &length)) {
        text->assign(first);
        return 0;
    }
    const uint32_t error = exports.GetLastError();
    if (error != PAT_ERROR_INSUFFICIENT_BUFFER || length <= sizeof first) return error;
    std::vector<char> buffer(length);
    if (fill(buffer.data(), &length)) {
        text->assign(buffer.data());
        return 0;
    }
    return exports.GetLastError();
}

}  // namespace

uint32_t FetchDeviceName(const PatExports &exports, uint32_t kind, const void *name, std::string *text) {
    const uint32_t check = kind == PAT_DEVICE_NAME_OPTION ? PAT_CHECK_OPTION : PAT_CHECK_NAMED_DEVICE;
    return FetchText(
        exports, [&](char *buffer, uint32_t *length) { return exports.GetDeviceName(kind, name, check, buffer, length); },
        text);
}

uint32_t FetchStatusString(const PatExports &exports, uint32_t sourceType, PatInfoNode *statusTree, uint32_t form,
                           std::string *text) {
    return FetchText(exports,
                     [&](char *buffer, uint32_t *length) {
                         return exports.GetStatusString(sourceType, statusTree, PAT_STATUS_INTERFACE_VERSION, form,
                                                        buffer, length);
                     },
                     text);
}
