// pathost replay: a captured reply interpreted as if it had just arrived.
#include <stdio.h>

#include "base/host_files.h"
#include "commands/commands.h"
#include "commands/exit_codes.h"
#include "library/host_record.h"
#include "library/library_errors.h"
#include "library/poll_cycle.h"
#include "printer/device_ids.h"
#include "report/full_report.h"

int RunReplay(const PatExports &exports, const HostOptions &options) {
    std::string reply, deviceId, error;
    if (!ReadWholeFile(options.replyFile, &reply)) {
        fprintf(stderr, "pathost: %s: cannot be read\n", options.replyFile.c_str());
        return kExitRefused;
    }
    if (!LoadDeviceId(options.deviceId, DeviceIdFileOf(options, 0), &deviceId, &error)) {
        fprintf(stderr, "pathost: %s\n", error.c_str());
        return kExitRefused;
    }
    HostRecord record(exports);
    Query query;
    uint32_t result = BuildQuery(exports, record.Get(), options.queryFlags, &query);
    if (result != 0) {
        fprintf(stderr, "pathost: PatCreateQueryInfo failed: %s\n", DescribeLibraryError(result).c_str());
        return kExitRefused;
    }
    if (query.asksDeviceId && !options.deviceIdGiven) {
        fprintf(stderr, "pathost: the query asks for the device ID, and none was given (--device-id)\n");
    }
    result = InterpretReply(exports, &query, reply, options.deviceIdGiven ? &deviceId : nullptr, record.Get());
    if (result != 0) {
        fprintf(stderr, "pathost: %s: PatSetCentroDataTo failed: %s\n", options.replyFile.c_str(),
                DescribeLibraryError(result).c_str());
        return kExitRefused;
    }
    return PrintPolledPrinter(exports, ReportSettingsOf(options), record.Get(), stdout) ? kExitDone : kExitRefused;
}
