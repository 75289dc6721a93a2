// pathost status: the status of a printer state described in a file, with
// no printer involved.
#include <stdio.h>

#include "commands/commands.h"
#include "commands/exit_codes.h"
#include "library/record_from_state.h"
#include "report/full_report.h"

int RunStatus(const PatExports &exports, const HostOptions &options) {
    PrinterDescription printer;
    std::string error;
    if (!ReadStateFile(options.stateFile, &printer, &error)) {
        fprintf(stderr, "pathost: %s\n", error.c_str());
        return kExitRefused;
    }
    HostRecord record(exports);
    if (!FillRecordFromState(exports, printer, record.Get())) {
        fprintf(stderr, "pathost: not enough memory for the record\n");
        return kExitRefused;
    }
    return PrintPrinterStatus(exports, ReportSettingsOf(options), record.Get(), stdout) ? kExitDone : kExitRefused;
}
