#include "report/poll_json.h"

#include <stdio.h>
#include <time.h>

namespace {

nlohmann::json TextOrNull(const char *text) { return text != nullptr ? nlohmann::json(text) : nlohmann::json(); }

// The moment's fields in local time, or in UTC.
struct tm FieldsOf(time_t moment, bool local) {
    struct tm fields;
#if defined(_WIN32)
    local ? localtime_s(&fields, &moment) : gmtime_s(&fields, &moment);
#else
    local ? localtime_r(&moment, &fields) : gmtime_r(&moment, &fields);
#endif
    return fields;
}

// Seconds east of UTC: the local time's fields less UTC's.  strftime's %z
// would do on Linux, but Windows' C library writes the zone's name there.
long UtcOffsetSeconds(const struct tm &local, time_t now) {
    const struct tm utc = FieldsOf(now, false);
    // Days apart: at most one, across a year's end too.
    const long days = local.tm_year != utc.tm_year ? (local.tm_year > utc.tm_year ? 1 : -1)
                                                   : local.tm_yday - utc.tm_yday;
    return ((days * 24 + local.tm_hour - utc.tm_hour) * 60 + local.tm_min - utc.tm_min) * 60 +
           (local.tm_sec - utc.tm_sec);
}

std::string Formatted(const struct tm &local, const char *format) {
    char text[32];
    strftime(text, sizeof text, format, &local);
    return text;
}

}  // namespace

std::string LocalTime() { return Formatted(FieldsOf(time(nullptr), true), "%Y-%m-%d %H:%M:%S"); }

std::string LocalTimeWithZone() {
    const time_t now = time(nullptr);
    const struct tm local = FieldsOf(now, true);
    const long offset = UtcOffsetSeconds(local, now);
    const long minutes = (offset < 0 ? -offset : offset) / 60;
    char zone[16];
    snprintf(zone, sizeof zone, "%c%02ld:%02ld", offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return Formatted(local, "%Y-%m-%dT%H:%M:%S") + zone;
}

const char *OutcomeName(PollOutcome outcome) {
    switch (outcome) {
        case PollOutcome::Interpreted: return "answered";
        case PollOutcome::StatusUnknown: return "unknown";
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
    return {{"time", LocalTimeWithZone()},
            {"printer", poll.printer},
            {"outcome", OutcomeName(outcome)},
            {"reason", outcome == PollOutcome::StatusUnknown ? nlohmann::json(poll.unknownReason) : nlohmann::json()},
            {"deviceId", poll.deviceId},
            {"record", RecordJson(record)}};
}

std::string JsonText(const nlohmann::json &json) {
    return json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}
