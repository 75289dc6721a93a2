#include "report/full_report.h"

#include "report/record_report.h"
#include "report/status_report.h"

std::string ReportLanguage(const HostOptions &options) {
    return options.languages.empty() ? "EN" : options.languages.front();
}

bool PrintPolledPrinter(const PatExports &exports, const HostOptions &options, PrnInfoEx *record, FILE *out) {
    Report report(exports, out, ReportLanguage(options));
    PrintLibrary(report, options.sourceType);
    PrintPrinter(report, *record);
    for (const std::string &language : options.languages) {
        if (!report.SelectLanguage(language)) continue;
        PrintTrays(report, *record);
        PrintOutputBins(report, *record);
        PrintOptions(report, *record);
        PrintStatusTexts(report, options.sourceType, record);
    }
    report.UseWordsOf(ReportLanguage(options));
    PrintPicture(report, options.sourceType, record, options.picturePath);
    return !report.Failed();
}

bool PrintPrinterStatus(const PatExports &exports, const HostOptions &options, PrnInfoEx *record, FILE *out) {
    Report report(exports, out, ReportLanguage(options));
    PrintLibrary(report, options.sourceType);
    for (const std::string &language : options.languages) {
        if (!report.SelectLanguage(language)) continue;
        PrintOptions(report, *record);
        PrintStatusTexts(report, options.sourceType, record);
    }
    report.UseWordsOf(ReportLanguage(options));
    PrintPicture(report, options.sourceType, record, options.picturePath);
    return !report.Failed();
}
