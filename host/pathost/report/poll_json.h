// A poll as JSON (nlohmann-json), the same shape for `watch --json` and the
// status page's /api/printers.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "library/pat_exports.h"
#include "printer/printer_poll.h"

// "2026-12-10 18:18:15", local time.
std::string LocalTime();

// "answered", "refused", "no-response".
const char *OutcomeName(PollOutcome outcome);

// The record's fields and lists, its texts as the printer gave them.
nlohmann::json RecordJson(const PrnInfoEx &record);

// What every poll gives: time, printer, outcome, device ID and record.
nlohmann::json PollJson(const PrinterPoll &poll, PollOutcome outcome, const PrnInfoEx &record);

// Texts that are not valid UTF-8 are replaced, never a reason to stop.
std::string JsonText(const nlohmann::json &json);
