#include "report/host_words.h"

#include <ctype.h>

#include "report/host_words_table.h"

namespace {

// Where each kind of word starts in host/words; each kind has room for 1000 codes.
const uint32_t kPaperSizeWords = 11000, kMediaWords = 12000, kBinStateWords = 13000, kOptionWords = 14000;
const uint32_t kCodesPerKind = 1000;
// Paper size and media code 0: the printer did not say.
const uint16_t kUnknownCode = 0;

const HostWordRow *RowsOf(const std::string &language) {
    std::string name = language;
    for (char &c : name) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    const HostWordRow *english = nullptr;
    for (const HostWordsLanguage *entry = kHostWordsLanguages; entry->language != nullptr; ++entry) {
        if (name == entry->language) return entry->rows;
        if (std::string(entry->language) == "EN") english = entry->rows;
    }
    return english;
}

const char *Find(const HostWordRow *rows, uint32_t number) {
    for (const HostWordRow *row = rows; row->text != nullptr; ++row) {
        if (row->number == number) return row->text;
    }
    return nullptr;
}

}  // namespace

HostWords::HostWords(const std::string &language) : rows_(RowsOf(language)) {}

std::string HostWords::Label(HostLabel label) const {
    const char *text = Find(rows_, static_cast<uint32_t>(label));
    return text != nullptr ? text : "";
}

std::string HostWords::Unnamed(HostLabel kind, uint32_t number) const {
    return Label(kind) + " " + std::to_string(number);
}

std::string HostWords::WordOr(uint32_t first, HostLabel kind, uint32_t code) const {
    const char *text = code < kCodesPerKind ? Find(rows_, first + code) : nullptr;
    return text != nullptr ? text : Unnamed(kind, code);
}

std::string HostWords::PaperSize(uint16_t code) const {
    if (code == kUnknownCode) return Label(HostLabel::kUnknown);
    return WordOr(kPaperSizeWords, HostLabel::kPaperSize, code);
}

std::string HostWords::Media(uint16_t code) const {
    if (code == kUnknownCode) return Label(HostLabel::kUnknown);
    return WordOr(kMediaWords, HostLabel::kMedia, code);
}

std::string HostWords::OutputBinState(uint16_t state) const {
    return WordOr(kBinStateWords, HostLabel::kState, state);
}

std::string HostWords::OptionName(uint16_t optionId) const {
    return WordOr(kOptionWords, HostLabel::kOption, optionId);
}
