// Printing what the library says about a printer: the library itself, the
// printer information record, and the status texts and picture.  Everything
// is written as UTF-8; a library call that fails is reported on stderr with
// its error code, the report goes on without it, and the report remembers
// that it failed.
#pragma once

#include <stdio.h>

#include <string>

#include "pat_exports.h"

class Report {
public:
    Report(const PatExports &exports, FILE *out) : exports_(exports), out_(out) {}

    const PatExports &Exports() const { return exports_; }
    bool Failed() const { return failed_; }

    // Chooses the language of the texts that follow; false when refused.
    bool SelectLanguage(const std::string &language);
    const std::string &Language() const { return language_; }

    // Text from the library, in the current language's code page, as UTF-8.
    std::string FromLibrary(const std::string &ansi) const;

    // Notes a failed library call.
    void Failure(const std::string &call, uint32_t error);
    // Notes a failure of the host's own.
    void Problem(const std::string &what);

    void Heading(const std::string &title);
    // "  LABEL  VALUE", the label padded; a value of several lines is
    // continued under its first line.
    void Field(const std::string &label, const std::string &value);
    void Line(const std::string &text);

private:
    const PatExports &exports_;
    FILE *out_;
    std::string language_;
    unsigned codePage_ = 1252;
    bool failed_ = false;
};
