#include "request_lines.h"

namespace {
const char kUniversalExit[] = "\x1B%-12345X";
const size_t kUniversalExitLength = sizeof kUniversalExit - 1;
}  // namespace

std::string WithoutLeadingExits(const std::string &line) {
    size_t start = 0;
    while (line.compare(start, kUniversalExitLength, kUniversalExit) == 0) start += kUniversalExitLength;
    return line.substr(start);
}

std::vector<std::string> RequestLines::Add(const char *bytes, size_t count) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < count; ++i) {
        const char c = bytes[i];
        if (c == '\n') {
            if (!discarding_) {
                if (!pending_.empty() && pending_.back() == '\r') pending_.pop_back();
                lines.push_back(WithoutLeadingExits(pending_));
            }
            pending_.clear();
            discarding_ = false;
        } else if (!discarding_) {
            pending_ += c;
            if (pending_.size() > kMaxLineLength) {
                pending_.clear();
                discarding_ = true;
            }
        }
    }
    return lines;
}

bool RequestLines::AtJobEnd() const { return !discarding_ && !pending_.empty() && WithoutLeadingExits(pending_).empty(); }
