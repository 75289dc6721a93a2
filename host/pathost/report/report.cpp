#include "report/report.h"

#include "library/library_errors.h"
#include "library/text_encoding.h"

namespace {

const size_t kLabelWidth = 22;

std::string TrimRight(const std::string &text) {
    const size_t end = text.find_last_not_of(" \t\r");
    return end == std::string::npos ? "" : text.substr(0, end + 1);
}

}  // namespace

bool Report::SelectLanguage(const std::string &language) {
    if (!exports_.SetLocale(language.c_str())) {
        Failure("PatSetLocale(\"" + language + "\")", exports_.GetLastError());
        return false;
    }
    language_ = language;
    codePage_ = AnsiCodePageOf(language);
    UseWordsOf(language);
    return true;
}

std::string Report::FromLibrary(const std::string &ansi) const { return AnsiToUtf8(ansi, codePage_); }

void Report::Failure(const std::string &call, uint32_t error) {
    Problem(call + " failed: " + DescribeLibraryError(error));
}

void Report::Problem(const std::string &what) {
    fflush(out_);
    fprintf(stderr, "pathost: %s\n", what.c_str());
    failed_ = true;
}

void Report::Heading(const std::string &title) { fprintf(out_, "%s\n", title.c_str()); }

void Report::LanguageHeading(HostLabel title) { Heading(Word(title) + " (" + language_ + ")"); }

void Report::Field(const std::string &label, const std::string &value) {
    std::string padding(kLabelWidth > DisplayLength(label) ? kLabelWidth - DisplayLength(label) : 1, ' ');
    std::string prefix = "  " + label + padding;
    size_t start = 0;
    do {
        const size_t end = value.find('\n', start);
        const std::string line = value.substr(start, end == std::string::npos ? std::string::npos : end - start);
        fprintf(out_, "%s\n", TrimRight(prefix + line).c_str());
        prefix.assign(2 + kLabelWidth, ' ');
        start = end == std::string::npos ? value.size() + 1 : end + 1;
    } while (start <= value.size());
}

void Report::Line(const std::string &text) { fprintf(out_, "  %s\n", text.c_str()); }
