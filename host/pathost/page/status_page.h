// What the status page's server answers, apart from HTTP itself: the
// language a request asks for, and the JSON of /api/printers.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "page/printer_view.h"

// The library's name of the language ?lang= asks for, in any case ("de",
// "zh_cn"); `fallback` when none is asked.  False for a language the
// library does not have.
bool PageLanguage(const std::string &asked, const std::string &fallback, std::string *language);

// The body of /api/printers: the page's words and languages, and every
// printer with its texts and names in `language`.
nlohmann::json PrintersJson(const std::vector<std::shared_ptr<const PrinterView>> &views,
                            const std::string &language, double intervalSeconds);

// Where a printer's status picture is served; its version in the query, so
// that a browser asks again only when the picture changed.
std::string PicturePath(const std::string &name, long version);
