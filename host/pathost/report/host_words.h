// The words the host prints of its own, in the report's language: paper
// sizes, media, output bin states, the options the library has no display
// name for, and the report's labels. They come from host/words, kept and
// checked like the library's string tables, and are UTF-8 as the report is.
#pragma once

#include <stdint.h>

#include <string>

struct HostWordRow;

// The report's labels and the status page's words (numbers of host/words).
enum class HostLabel : uint32_t {
    kLibrary = 15000, kPrinter = 15001, kInputTrays = 15002, kOutputBins = 15003, kOptions = 15004,
    kStatus = 15005, kPicture = 15006,
    kVersion = 15010, kProfile = 15011, kSourceType = 15012,
    kMaker = 15020, kModel = 15021, kDescription = 15022, kFirmware = 15023, kEmulations = 15024,
    kMemory = 15025, kCounter = 15026, kEngineStatus = 15027, kState = 15028, kError = 15029,
    kResponse = 15030, kNoAnswer = 15031,
    kShort = 15040, kLong = 15041, kNoEngineStatus = 15042,
    kLayers = 15050, kUnavailable = 15051,
    kNone = 15060, kUnknown = 15061,
    kLocked = 15070, kFrontCoverTray = 15071, kSlipSheetTray = 15072, kChapterTray = 15073, kFlags = 15074,
    kTray = 15080, kOutputBin = 15081, kOption = 15082, kPaperSize = 15083, kMedia = 15084, kEmulation = 15085,
    kLanguageName = 15090, kPageTitle = 15091, kLanguage = 15092,
};

class HostWords {
public:
    // The words of one of the library's language names ("DE", "zh_cn"...);
    // English for a name that has none.
    explicit HostWords(const std::string &language);

    std::string Label(HostLabel label) const;
    // A code without a word of its own is shown as the kind of thing and its number.
    std::string PaperSize(uint16_t code) const;
    std::string Media(uint16_t code) const;
    std::string OutputBinState(uint16_t state) const;
    std::string OptionName(uint16_t optionId) const;
    // "tray 7", "emulation 9": a thing the host has no name for, in these words.
    std::string Unnamed(HostLabel kind, uint32_t number) const;

private:
    std::string WordOr(uint32_t first, HostLabel kind, uint32_t code) const;

    const HostWordRow *rows_;
};
