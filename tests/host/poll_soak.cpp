// Many whole polls in one process, as a monitoring host runs them for days:
// `pathost poll` against each printer in turn, with the library linked in so
// that its global heap's live blocks can be counted.  The count after every
// poll must equal the count before the first.
// Usage: poll_soak ROUNDS PRINTER[,PRINTER...] [pathost poll options]
#include <stdio.h>
#include <stdlib.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "commands/commands.h"
#include "library/linked_exports.h"
#include "platform/linux/heap_hooks.h"

namespace {

std::vector<std::string> Split(const std::string &list) {
    std::vector<std::string> parts;
    std::istringstream in(list);
    for (std::string part; std::getline(in, part, ',');) parts.push_back(part);
    return parts;
}

bool OptionsFor(const std::string &printer, int argc, char **argv, HostOptions *options) {
    std::vector<std::string> words = {"pathost", "poll", printer};
    for (int i = 3; i < argc; ++i) words.push_back(argv[i]);
    std::vector<char *> pointers;
    for (std::string &word : words) pointers.push_back(&word[0]);
    std::string error;
    if (ParseHostOptions(static_cast<int>(pointers.size()), pointers.data(), options, &error)) return true;
    fprintf(stderr, "poll_soak: %s\n", error.c_str());
    return false;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: poll_soak ROUNDS PRINTER[,PRINTER...] [pathost poll options]\n");
        return 2;
    }
    const long rounds = atol(argv[1]);
    const std::vector<std::string> printers = Split(argv[2]);
    std::vector<HostOptions> options(printers.size());
    for (size_t i = 0; i < printers.size(); ++i) {
        if (!OptionsFor(printers[i], argc, argv, &options[i])) return 2;
    }
    const PatExports exports = LinkedExports();
    const long before = platform_heap::LiveBlocks();
    std::map<int, long> statuses;
    for (long round = 0; round < rounds; ++round) {
        const HostOptions &o = options[static_cast<size_t>(round) % options.size()];
        ++statuses[RunPoll(exports, o)];
        const long live = platform_heap::LiveBlocks();
        if (live != before) {
            fprintf(stderr, "poll_soak: poll %ld of %s left %ld blocks alive (%ld before the first)\n", round + 1,
                    o.address.c_str(), live, before);
            return 1;
        }
    }
    fprintf(stderr, "poll_soak: %ld polls, live blocks %ld before and after; exit statuses:", rounds, before);
    for (const auto &status : statuses) fprintf(stderr, " %d x%ld", status.first, status.second);
    fprintf(stderr, "\n");
    return 0;
}
