#include "report/full_report.h"

#include "report/record_report.h"
#include "report/status_report.h"

std::string ReportLanguage(const ReportSettings &settings) {
    return settings.languages.empty() ? "EN" : settings.languages.front();
}

bool PrintPolledPrinter(const PatExports &exports, const ReportSettings &settings, PrnInfoEx *record, FILE *out) {
    Report report(exports, out, ReportLanguage(settings));
    PrintLibrary(report, settings.sourceType);
    PrintPrinter(report, *record);
    for (const std::string &language : settings.languages) {
        if (!report.SelectLanguage(language)) continue;
        PrintTrays(report, *record);
        PrintOutputBins(report, *record);
        PrintOptions(report, *record);
        PrintStatusTexts(report, settings.sourceType, record);
    }
    report.UseWordsOf(ReportLanguage(settings));
    PrintPicture(report, settings.sourceType, record, settings.picturePath);
    return !report.Failed();
}

bool PrintPrinterStatus(const PatExports &exports, const ReportSettings &settings, PrnInfoEx *record, FILE *out) {
    Report report(exports, out, ReportLanguage(settings));
    PrintLibrary(report, settings.sourceType);
    for (const std::string &language : settings.languages) {
        if (!report.SelectLanguage(language)) continue;
        PrintOptions(report, *record);
        PrintStatusTexts(report, settings.sourceType, record);
    }
    report.UseWordsOf(ReportLanguage(settings));
    PrintPicture(report, settings.sourceType, record, settings.picturePath);
    return !report.Failed();
}
