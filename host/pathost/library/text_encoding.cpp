#include "library/text_encoding.h"

#include <ctype.h>

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace {

struct LanguageCodePage {
    const char *language;
    unsigned codePage;
};

const LanguageCodePage kCodePages[] = {{"JP", 932},    {"ZH_CN", 936}, {"ZH_TW", 950},
                                       {"CS", 1250},   {"HU", 1250},   {"PL", 1250}};
const unsigned kWesternCodePage = 1252;

std::string Upper(std::string text) {
    for (char &c : text) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return text;
}

#if defined(_WIN32)

std::string Convert(const std::string &text, unsigned codePage) {
    const int wideLength = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], wideLength);
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, &utf8[0], length, nullptr, nullptr);
    return utf8;
}

#else

const char kReplacement[] = "\xEF\xBF\xBD";

std::string Convert(const std::string &text, unsigned codePage) {
    const std::string name = "CP" + std::to_string(codePage);
    iconv_t converter = iconv_open("UTF-8", name.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) return text;
    std::string utf8;
    char *in = const_cast<char *>(text.data());
    size_t inLeft = text.size();
    while (inLeft > 0) {
        char buffer[256];
        char *out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        utf8.append(buffer, static_cast<size_t>(out - buffer));
        if (result == static_cast<size_t>(-1) && out == buffer) {
            // An unreadable byte: show it as such and go on after it.
            utf8 += kReplacement;
            ++in;
            --inLeft;
        }
    }
    iconv_close(converter);
    return utf8;
}

#endif

}  // namespace

unsigned AnsiCodePageOf(const std::string &language) {
    const std::string name = Upper(language);
    for (const LanguageCodePage &row : kCodePages) {
        if (name == row.language) return row.codePage;
    }
    return kWesternCodePage;
}

std::string AnsiToUtf8(const std::string &text, unsigned codePage) { return Convert(text, codePage); }

size_t DisplayLength(const std::string &utf8) {
    size_t length = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80) ++length;
    }
    return length;
}

std::vector<std::string> AllLibraryLanguages() {
    return {"JP", "EN", "DE", "FR", "IT", "ES", "NL", "SV", "DA", "NO", "CS", "HU", "PT", "PL", "FI", "ZH_CN", "ZH_TW"};
}
