// Locale information and code-page conversion.  Conversion goes through
// iconv one character at a time so that a character the code page cannot
// represent becomes the default character, as WideCharToMultiByte does.
#include <iconv.h>
#include <stdio.h>
#include <string.h>

#include "module.h"
#include "resource_table.h"

namespace {

constexpr char kDefaultChar = '?';

int AnsiCodePageOf(LANGID language) {
    if (language == MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT)) language = PlatformUserDefaultLanguage();
    for (const PlatformLocaleEntry *row = kPlatformLocales; row->language != 0; ++row) {
        if (row->language == language) return row->ansiCodePage;
    }
    return 0;
}

struct Converter {
    UINT codePage;
    iconv_t handle;
};

// One converter per code page, opened on first use and kept for the process.
iconv_t ConverterFor(UINT codePage) {
    static Converter converters[8];
    for (Converter &c : converters) {
        if (c.codePage == codePage) return c.handle;
    }
    char name[16];
    snprintf(name, sizeof name, "CP%u", codePage);
    iconv_t handle = iconv_open(name, "UTF-16LE");
    if (handle == reinterpret_cast<iconv_t>(-1)) return handle;
    for (Converter &c : converters) {
        if (c.codePage == 0) {
            c.codePage = codePage;
            c.handle = handle;
            break;
        }
    }
    return handle;
}

// Converts one code point (1 or 2 UTF-16 units) into out; returns the byte
// count, or 0 when the code page has no such character.
size_t ConvertCodePoint(iconv_t cd, const WCHAR *units, size_t count, char *out, size_t outSize) {
    char in[4];
    memcpy(in, units, count * sizeof(WCHAR));
    char *inPtr = in, *outPtr = out;
    size_t inLeft = count * sizeof(WCHAR), outLeft = outSize;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) return 0;
    if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1)) return 0;
    return outSize - outLeft;
}

size_t UnitsOfCodePoint(const WCHAR *s, size_t remaining) {
    const bool high = s[0] >= 0xD800 && s[0] <= 0xDBFF;
    return (high && remaining > 1 && s[1] >= 0xDC00 && s[1] <= 0xDFFF) ? 2 : 1;
}

}  // namespace

extern "C" int WINAPI GetLocaleInfoA(LCID Locale, LCTYPE LCType, LPSTR lpLCData, int cchData) {
    const int codePage = AnsiCodePageOf(LOWORD(Locale));
    if (LCType != LOCALE_IDEFAULTANSICODEPAGE || codePage == 0 || cchData < 0) {
        SetLastError(LCType != LOCALE_IDEFAULTANSICODEPAGE ? ERROR_INVALID_FLAGS : ERROR_INVALID_PARAMETER);
        return 0;
    }
    char text[8];
    const int needed = snprintf(text, sizeof text, "%d", codePage) + 1;
    if (cchData == 0) return needed;
    if (lpLCData == nullptr || cchData < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    memcpy(lpLCData, text, needed);
    return needed;
}

extern "C" int WINAPI WideCharToMultiByte(UINT CodePage, DWORD, LPCWSTR lpWideCharStr, int cchWideChar,
                                          LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                                          LPBOOL lpUsedDefaultChar) {
    if (lpWideCharStr == nullptr || cbMultiByte < 0 || (cbMultiByte > 0 && lpMultiByteStr == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    iconv_t cd = ConverterFor(CodePage);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    size_t count = 0;
    if (cchWideChar < 0) {
        while (lpWideCharStr[count] != 0) ++count;
        ++count;  // the terminating zero is converted too
    } else {
        count = static_cast<size_t>(cchWideChar);
    }
    const char defaultChar = lpDefaultChar != nullptr ? lpDefaultChar[0] : kDefaultChar;
    if (lpUsedDefaultChar != nullptr) *lpUsedDefaultChar = FALSE;
    size_t written = 0;
    for (size_t i = 0; i < count;) {
        char bytes[8];
        const size_t units = UnitsOfCodePoint(lpWideCharStr + i, count - i);
        size_t n = lpWideCharStr[i] == 0 ? (bytes[0] = '\0', 1)
                                         : ConvertCodePoint(cd, lpWideCharStr + i, units, bytes, sizeof bytes);
        if (n == 0) {
            bytes[0] = defaultChar;
            n = 1;
            if (lpUsedDefaultChar != nullptr) *lpUsedDefaultChar = TRUE;
        }
        if (cbMultiByte > 0) {
            if (written + n > static_cast<size_t>(cbMultiByte)) {
                SetLastError(ERROR_INSUFFICIENT_BUFFER);
                return 0;
            }
            memcpy(lpMultiByteStr + written, bytes, n);
        }
        written += n;
        i += units;
    }
    return static_cast<int>(written);
}

// Upper case in the ANSI code page 1252, the user's code page of this build.
extern "C" LPSTR WINAPI CharUpperA(LPSTR lpsz) {
    if (lpsz == nullptr || IS_INTRESOURCE(lpsz)) return lpsz;
    for (unsigned char *p = reinterpret_cast<unsigned char *>(lpsz); *p != 0; ++p) {
        const unsigned char c = *p;
        if (c >= 'a' && c <= 'z') *p = static_cast<unsigned char>(c - 32);
        else if (c >= 0xE0 && c <= 0xFE && c != 0xF7) *p = static_cast<unsigned char>(c - 32);
        else if (c == 0x9A || c == 0x9C || c == 0x9E) *p = static_cast<unsigned char>(c - 16);
        else if (c == 0xFF) *p = 0x9F;
    }
    return lpsz;
}
