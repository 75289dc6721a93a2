// Printing what the library says about a printer: the library itself, the
// printer information record, and the status texts and picture.  Everything
// is written as UTF-8; a library call that fails is reported on stderr with
// its error code, the report goes on without it, and the report remembers
// that it failed.
#pragma once

#include <stdio.h>

#include <string>

#include "library/pat_exports.h"
#include "report/host_words.h"

class Report {
public:
    // The report's own words are those of wordsLanguage until a language is selected.
    Report(const PatExports &exports, FILE *out, const std::string &wordsLanguage)
        : exports_(exports), out_(out), words_(wordsLanguage) {}

    const PatExports &Exports() const { return exports_; }
    bool Failed() const { return failed_; }

    // Chooses the language of the texts that follow, the library's and the
    // report's own; false when the library refuses it.
    bool SelectLanguage(const std::string &language);
    const std::string &Language() const { return language_; }
    // The report's own words from here on, without a library language.
    void UseWordsOf(const std::string &language) { words_ = HostWords(language); }
    const HostWords &Words() const { return words_; }
    std::string Word(HostLabel label) const { return words_.Label(label); }

    // Text from the library, in the current language's code page, as UTF-8.
    std::string FromLibrary(const std::string &ansi) const;

    // Notes a failed library call.
    void Failure(const std::string &call, uint32_t error);
    // Notes a failure of the host's own.
    void Problem(const std::string &what);

    void Heading(const std::string &title);
    // The heading of a section in the selected language: "Status (DE)".
    void LanguageHeading(HostLabel title);
    // "  LABEL  VALUE", the label padded; a value of several lines is
    // continued under its first line.
    void Field(const std::string &label, const std::string &value);
    void Line(const std::string &text);

private:
    const PatExports &exports_;
    FILE *out_;
    HostWords words_;
    std::string language_;
    unsigned codePage_ = 1252;
    bool failed_ = false;
};
