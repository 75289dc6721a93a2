// pathost status: the status of a printer state described in a file, with
// no printer involved.
#include <stdio.h>

#include "commands/commands.h"
#include "commands/exit_codes.h"
#include "report/full_report.h"
#include "library/record_from_state.h"

int RunStatus(const PatExports &exports, const HostOptions &options) {
    PrinterDescription printer;
    std::string error;
    if (!ReadStateFile(options.stateFile, &printer, &error)) {
        fprintf(stderr, "pathost: %s\n", error.c_str());
        return kExitRefused;
    }
    PrnInfoEx record = EmptyRecord();
    int status = kExitDone;
    if (!FillRecordFromState(exports, printer, &record)) {
        fprintf(stderr, "pathost: not enough memory for the record\n");
        status = kExitRefused;
    } else if (!PrintPrinterStatus(exports, ReportSettingsOf(options), &record, stdout)) {
        status = kExitRefused;
    }
    ReleaseRecord(exports, &record);
    return status;
}
