// Cuts the bytes a client sends into PJL command lines, as they arrive.
// Universal exit language sequences in front of a line are dropped; a line
// longer than the limit is thrown away whole, so a client that sends an
// endless line cannot make the simulator hold it.
#pragma once

#include <stddef.h>

#include <string>
#include <vector>

class RequestLines {
public:
    static const size_t kMaxLineLength = 1024;

    // Adds received bytes; returns the lines they complete, without line ends.
    std::vector<std::string> Add(const char *bytes, size_t count);

    // True when what has arrived ends with the universal exit language
    // sequence that closes a job.
    bool AtJobEnd() const;

private:
    std::string pending_;
    bool discarding_ = false;  // inside a line that is too long
};

// The line without the universal exit language sequences it begins with.
std::string WithoutLeadingExits(const std::string &line);
