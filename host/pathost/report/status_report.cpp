#include "report/status_report.h"

#include <vector>

#include "base/host_files.h"
#include "library/library_calls.h"
#include "report/status_picture.h"
#include "status_info_tree.h"

bool HasConditionToWord(const PrnInfoEx &record) { return record.pEngineStatus != nullptr || record.bNoResponse; }

std::string StatusText(Report &report, uint32_t sourceType, PrnInfoEx *record, uint32_t form) {
    if (!HasConditionToWord(*record)) return "";
    StatusInfoTree tree(sourceType, record);
    std::string text;
    const uint32_t error = FetchStatusString(report.Exports(), sourceType, tree.Root(), form, &text);
    if (error != 0) report.Failure("PatGetStatusString", error);
    return report.FromLibrary(text);
}

void PrintStatusTexts(Report &report, uint32_t sourceType, PrnInfoEx *record) {
    StatusInfoTree tree(sourceType, record);
    report.LanguageHeading(HostLabel::kStatus);
    if (!HasConditionToWord(*record)) {
        report.Line(report.Word(HostLabel::kNoEngineStatus));
        return;
    }
    const struct { uint32_t form; const char *name; HostLabel label; } kForms[] = {
        {PAT_TEXT_FORM_SHORT, "Short", HostLabel::kShort}, {PAT_TEXT_FORM_LONG, "Long", HostLabel::kLong}};
    for (const auto &form : kForms) {
        std::string text;
        const uint32_t error = FetchStatusString(report.Exports(), sourceType, tree.Root(), form.form, &text);
        if (error != 0) {
            report.Failure(std::string("PatGetStatusString (") + form.name + ")", error);
            report.Field(report.Word(form.label), report.Word(HostLabel::kUnavailable));
        } else {
            report.Field(report.Word(form.label), report.FromLibrary(text));
        }
    }
}

void PrintPicture(Report &report, uint32_t sourceType, PrnInfoEx *record, const std::string &pngPath) {
    if (!StatusPictureAvailable()) {
        if (!pngPath.empty()) report.Problem("--picture: the status picture is not available in this build of pathost");
        return;
    }
    StatusInfoTree tree(sourceType, record);
    std::vector<std::string> layers;
    std::string png, problem;
    bool drawn = ComposeStatusPicture(report.Exports(), sourceType, tree.Root(), &layers,
                                      pngPath.empty() ? nullptr : &png, &problem);
    if (drawn && !pngPath.empty() && !WriteWholeFile(pngPath, png)) {
        drawn = false;
        problem = "cannot write " + pngPath;
    }
    report.Heading(report.Word(HostLabel::kPicture));
    std::string names;
    for (const std::string &layer : layers) names += (names.empty() ? "" : " ") + layer;
    report.Field(report.Word(HostLabel::kLayers), !names.empty() ? names
                                                  : report.Word(drawn ? HostLabel::kNone : HostLabel::kUnavailable));
    if (!drawn) report.Problem(problem);
}
