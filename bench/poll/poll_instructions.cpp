// Runs one poll operation a given number of times, for counting executed
// instructions from outside: set-up, one warm-up call, CALLS calls, tear-down.
// The count for 2 calls minus the count for 1 is the cost of one call
// (tools/dev/instructions.sh does both widths). On x86-64, callgrind's total:
//   valgrind --tool=callgrind build/native64/poll_instructions WholePollCycle 2
// on i386, the instructions qemu executes one by one:
//   qemu-i386-static -singlestep -d exec,nochain -D /dev/stdout build/native/poll_instructions WholePollCycle 2 | grep -c Trace
// "poll_instructions --list" names the operations.
#include <alloca.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "poll_operations.h"

// Not inlined and outside any namespace, so that a profile can collect
// exactly the counted calls (callgrind --toggle-collect=MeasuredCalls*).
__attribute__((noinline)) bool MeasuredCalls(OperationFixture &fixture, long calls) {
    for (long i = 0; i < calls; ++i) {
        if (!fixture.Call()) return false;
    }
    return true;
}

namespace {

const uintptr_t kPageSize = 4096;

int Usage() {
    fprintf(stderr, "usage: poll_instructions OPERATION CALLS\n       poll_instructions --list\n");
    return 2;
}

void List() {
    for (const PollOperation &operation : PollOperations()) printf("%s\t%s\n", operation.name, operation.description);
}

// Not inlined: its frame must lie below main's shifted stack.
__attribute__((noinline)) int Run(int argc, char **argv) {
    if (argc == 2 && strcmp(argv[1], "--list") == 0) {
        List();
        return 0;
    }
    if (argc != 3) return Usage();
    const PollOperation *operation = FindPollOperation(argv[1]);
    char *end = nullptr;
    const long calls = strtol(argv[2], &end, 10);
    if (operation == nullptr || *end != '\0' || calls < 0) return Usage();
    std::unique_ptr<OperationFixture> fixture = operation->setUp();
    if (!fixture->Call() || !MeasuredCalls(*fixture, calls)) {
        fprintf(stderr, "poll_instructions: %s: the library refused the call\n", operation->name);
        return 1;
    }
    return 0;
}

}  // namespace

// The C library's string routines take a slower path where a read would
// cross a page, so the counts would move with the size of the environment
// and the arguments, which decide where the stack starts.  The operations
// therefore run at the same offset within a page every time.
int main(int argc, char **argv) {
    const uintptr_t pageOffset = reinterpret_cast<uintptr_t>(__builtin_frame_address(0)) % kPageSize;
    char *shift = static_cast<char *>(alloca(pageOffset + 1));
    __asm__ volatile("" : : "r"(shift) : "memory");  // the shift must stay
    return Run(argc, argv);
}
