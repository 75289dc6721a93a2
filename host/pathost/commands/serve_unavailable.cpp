// Builds without an HTTP server: Debian's cpp-httplib is a compiled library
// for Linux (its header holds the declarations only), so the Windows hosts
// and the i386 Linux host, which has no i386 copy of it, cannot serve.
#include <stdio.h>

#include "commands/commands.h"
#include "commands/exit_codes.h"

int RunServe(const PatExports &, const HostOptions &) {
    fprintf(stderr, "pathost: this build of pathost cannot serve the status page (the x86-64 Linux build can)\n");
    return kExitUsage;
}
