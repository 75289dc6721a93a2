#include "report/poll_json.h"

#include <time.h>

namespace {

nlohmann::json TextOrNull(const char *text) { return text != nullptr ? nlohmann::json(text) : nlohmann::json(); }

}  // namespace

std::string LocalTime() {
    const time_t now = time(nullptr);
    struct tm local;
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[32];
    strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

const char *OutcomeName(PollOutcome outcome) {
    switch (outcome) {
        case PollOutcome::Interpreted: return "answered";
        case PollOutcome::Refused: return "refused";
        case PollOutcome::NoPrinter: return "no-response";
    }
    return "";
}

nlohmann::json RecordJson(const PrnInfoEx &r) {
    nlohmann::json record = {{"maker", TextOrNull(r.pMakerName)},
                             {"model", TextOrNull(r.pModelName)},
                             {"description", TextOrNull(r.pDescription)},
                             {"systemVersion", TextOrNull(r.pSYSVersion)},
                             {"memoryKB", r.dwMemoryKB},
                             {"state", r.bState},
                             {"hasError", r.bHasError != 0},
                             {"noResponse", r.bNoResponse != 0}};
    nlohmann::json &engine = record["engineStatus"] = nlohmann::json::array();
    for (const PatEngineStatusItem *i = r.pEngineStatus; i != nullptr; i = i->pNext) {
        engine.push_back({{"code", i->dwStatusCode}, {"text", i->szText}});
    }
    nlohmann::json &trays = record["trays"] = nlohmann::json::array();
    for (const PatTrayItem *i = r.pTrayInfo; i != nullptr; i = i->pNext) {
        trays.push_back({{"id", i->wId}, {"paperSize", i->wPaperSize}, {"level", i->wLevel},
                         {"mediaType", i->wMediaType}, {"flags", i->dwFlags}});
    }
    nlohmann::json &bins = record["outputBins"] = nlohmann::json::array();
    for (const PatOutBinItem *i = r.pOutBinInfo; i != nullptr; i = i->pNext) {
        bins.push_back({{"id", i->wId}, {"state", i->wState}});
    }
    nlohmann::json &options = record["options"] = nlohmann::json::array();
    for (const PatDeviceItem *i = r.pDeviceInfo; i != nullptr; i = i->pNext) options.push_back(i->wId);
    return record;
}

nlohmann::json PollJson(const PrinterPoll &poll, PollOutcome outcome, const PrnInfoEx &record) {
    return {{"time", LocalTime()},
            {"printer", poll.printer},
            {"outcome", OutcomeName(outcome)},
            {"deviceId", poll.deviceId},
            {"record", RecordJson(record)}};
}

std::string JsonText(const nlohmann::json &json) {
    return json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}
