// pathost: the reference host of the printer-model library.  It reaches
// the library through its exports only, as any monitoring host does.
#include <stdio.h>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include "commands/commands.h"
#include "commands/exit_codes.h"

namespace {

// The same bytes on every platform: no line-end translation on Windows.
void UseBinaryOutput() {
#if defined(_WIN32)
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}

}  // namespace

int main(int argc, char **argv) {
    UseBinaryOutput();
    HostOptions options;
    std::string error;
    if (!ParseHostOptions(argc, argv, &options, &error)) {
        fprintf(stderr, "pathost: %s\n%s", error.c_str(), HostUsage().c_str());
        return kExitUsage;
    }
    if (options.help) {
        fputs(HostUsage().c_str(), stdout);
        return kExitDone;
    }
    PatExports exports;
    if (!LoadPatExports(options.libraryPath, &exports, &error)) {
        fprintf(stderr, "pathost: %s\n", error.c_str());
        return kExitRefused;
    }
    return FindHostCommand(options.command)->run(exports, options);
}
