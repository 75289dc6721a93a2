#include "page/printer_view.h"

#include <stdio.h>

#include <vector>

#include "library/library_calls.h"
#include "library/text_encoding.h"
#include "report/full_report.h"
#include "report/poll_json.h"
#include "report/record_names.h"
#include "report/report.h"
#include "report/status_picture.h"
#include "report/status_report.h"
#include "status_info_tree.h"

namespace {

nlohmann::json TraysJson(Report &report, const PrnInfoEx &record) {
    nlohmann::json trays = nlohmann::json::array();
    const HostWords &words = report.Words();
    for (const PatTrayItem *tray = record.pTrayInfo; tray != nullptr; tray = tray->pNext) {
        const std::string level = TrayLevel(*tray);
        trays.push_back({{"id", tray->wId},
                         {"name", TrayName(report, tray->wId)},
                         {"paperSize", words.PaperSize(tray->wPaperSize)},
                         {"level", level.empty() ? nlohmann::json() : nlohmann::json(level)},
                         {"media", words.Media(tray->wMediaType)},
                         {"flags", TrayFlagWords(words, *tray)}});
    }
    return trays;
}

nlohmann::json OutputBinsJson(Report &report, const PrnInfoEx &record) {
    nlohmann::json bins = nlohmann::json::array();
    for (const PatOutBinItem *bin = record.pOutBinInfo; bin != nullptr; bin = bin->pNext) {
        bins.push_back({{"id", bin->wId},
                        {"name", OutputBinName(report, bin->wId)},
                        {"state", report.Words().OutputBinState(bin->wState)}});
    }
    return bins;
}

nlohmann::json OptionsJson(Report &report, const PrnInfoEx &record) {
    nlohmann::json options = nlohmann::json::array();
    for (const PatDeviceItem *option = record.pDeviceInfo; option != nullptr; option = option->pNext) {
        options.push_back({{"id", option->wId}, {"name", OptionName(report, option->wId)}});
    }
    return options;
}

// Everything of the record that is worded, in the report's current language.
nlohmann::json WordedJson(Report &report, uint32_t sourceType, PrnInfoEx *record) {
    return {{"texts",
             {{"short", StatusText(report, sourceType, record, PAT_TEXT_FORM_SHORT)},
              {"long", StatusText(report, sourceType, record, PAT_TEXT_FORM_LONG)}}},
            {"trays", TraysJson(report, *record)},
            {"outputBins", OutputBinsJson(report, *record)},
            {"options", OptionsJson(report, *record)}};
}

// The layers into the poll's JSON and the picture into the view.
void DrawPicture(const PatExports &exports, uint32_t sourceType, PrnInfoEx *record, PrinterView *view) {
    if (!StatusPictureAvailable()) return;
    StatusInfoTree tree(sourceType, record);
    std::vector<std::string> layers;
    std::string problem;
    if (!ComposeStatusPicture(exports, sourceType, tree.Root(), &layers, &view->png, &problem)) {
        fprintf(stderr, "pathost: %s: %s\n", view->name.c_str(), problem.c_str());
        view->png.clear();
    }
    view->poll["layers"] = layers;
}

bool ShowsTheSame(const nlohmann::json &poll, const PrinterView &previous) {
    if (previous.polls == 0) return false;
    for (const char *key : {"outcome", "deviceId", "record"}) {
        if (poll.at(key) != previous.poll.at(key)) return false;
    }
    return true;
}

}  // namespace

std::shared_ptr<const PrinterView> ViewOfPoll(const PatExports &exports, const ReportSettings &options,
                                              const PrinterPoll &poll, PollOutcome outcome, PrnInfoEx *record,
                                              const PrinterView &previous) {
    std::shared_ptr<PrinterView> view = std::make_shared<PrinterView>();
    view->name = previous.name;
    view->polls = previous.polls + 1;
    view->poll = PollJson(poll, outcome, *record);
    if (ShowsTheSame(view->poll, previous)) {
        view->changes = previous.changes;
        view->poll["layers"] = previous.poll.at("layers");
        view->languages = previous.languages;
        view->png = previous.png;
        return view;
    }
    view->changes = previous.changes + 1;
    Report report(exports, stdout, ReportLanguage(options));
    for (const std::string &language : AllLibraryLanguages()) {
        if (report.SelectLanguage(language)) view->languages[language] = WordedJson(report, options.sourceType, record);
    }
    DrawPicture(exports, options.sourceType, record, view.get());
    if (!view->poll.contains("layers")) view->poll["layers"] = nullptr;
    return view;
}
