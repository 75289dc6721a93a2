#include "page/status_page.h"

#include <ctype.h>
#include <stdio.h>

#include "report/host_words.h"
#include "library/text_encoding.h"

namespace {

std::string Upper(std::string text) {
    for (char &c : text) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return text;
}

// The language's tag for the page's lang attribute (BCP 47), which also
// tells the browser which of the Han glyph forms to draw.
std::string LanguageTag(const std::string &language) {
    if (language == "JP") return "ja";
    if (language == "ZH_CN") return "zh-CN";
    if (language == "ZH_TW") return "zh-TW";
    std::string tag = language;
    for (char &c : tag) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return tag;
}

nlohmann::json LanguagesJson() {
    nlohmann::json languages = nlohmann::json::array();
    for (const std::string &language : AllLibraryLanguages()) {
        languages.push_back({{"code", language},
                             {"name", HostWords(language).Label(HostLabel::kLanguageName)},
                             {"tag", LanguageTag(language)}});
    }
    return languages;
}

nlohmann::json PageWordsJson(const std::string &language) {
    const HostWords words(language);
    return {{"title", words.Label(HostLabel::kPageTitle)},
            {"language", words.Label(HostLabel::kLanguage)},
            {"inputTrays", words.Label(HostLabel::kInputTrays)},
            {"outputBins", words.Label(HostLabel::kOutputBins)},
            {"options", words.Label(HostLabel::kOptions)},
            {"engineStatus", words.Label(HostLabel::kEngineStatus)},
            {"none", words.Label(HostLabel::kNone)}};
}

// A printer not polled yet has every key a polled one has, so that a client
// can rely on one shape: the outcome "waiting", nothing else known.
nlohmann::json WaitingPrinterJson(const PrinterView &view) {
    const nlohmann::json none = nlohmann::json::array();
    return {{"name", view.name},       {"polls", 0},          {"time", nullptr},
            {"outcome", "waiting"},    {"deviceId", nullptr}, {"record", nullptr},
            {"layers", none},          {"texts", {{"short", nullptr}, {"long", nullptr}}},
            {"trays", none},           {"outputBins", none},  {"options", none},
            {"picture", nullptr}};
}

nlohmann::json PrinterJson(const PrinterView &view, const std::string &language) {
    if (view.polls == 0) return WaitingPrinterJson(view);
    nlohmann::json printer = {{"name", view.name}, {"polls", view.polls}};
    printer.update(view.poll);
    printer.erase("printer");  // the name, said once
    const auto worded = view.languages.find(language);
    if (worded != view.languages.end()) printer.update(worded->second);
    printer["picture"] = view.png.empty() ? nlohmann::json() : nlohmann::json(PicturePath(view.name, view.changes));
    return printer;
}

// Percent-encodes all but the unreserved characters and the colon of HOST:PORT.
std::string PathSegment(const std::string &text) {
    std::string segment;
    for (unsigned char c : text) {
        if (isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~' || c == ':') {
            segment += static_cast<char>(c);
        } else {
            char escaped[4];
            snprintf(escaped, sizeof escaped, "%%%02X", c);
            segment += escaped;
        }
    }
    return segment;
}

}  // namespace

bool PageLanguage(const std::string &asked, const std::string &fallback, std::string *language) {
    const std::string wanted = Upper(asked.empty() ? fallback : asked);
    for (const std::string &known : AllLibraryLanguages()) {
        if (known == wanted) {
            *language = known;
            return true;
        }
    }
    return false;
}

nlohmann::json PrintersJson(const std::vector<std::shared_ptr<const PrinterView>> &views,
                            const std::string &language, double intervalSeconds) {
    nlohmann::json printers = nlohmann::json::array();
    for (const std::shared_ptr<const PrinterView> &view : views) printers.push_back(PrinterJson(*view, language));
    return {{"language", language},
            {"languages", LanguagesJson()},
            {"words", PageWordsJson(language)},
            {"interval", intervalSeconds},
            {"printers", printers}};
}

std::string PicturePath(const std::string &name, long version) {
    return "/printers/" + PathSegment(name) + "/picture.png?v=" + std::to_string(version);
}
