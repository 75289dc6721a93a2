// Locale information and code-page conversion.  Conversion goes through
// iconv one character at a time so that a character the code page cannot
// represent becomes the default character, as WideCharToMultiByte does.
// The characters a code page writes as a single byte are converted through
// a table instead, filled from iconv itself when the code page is first
// used, so both paths give the same bytes.
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

// The characters a code page writes as one byte, each one checked to come
// back from iconv as that very byte.  Byte 0 stands for "not here".
struct SingleByteCharacters {
    uint8_t byteOfLatin[256];  // indexed by the unit, for units below 0x100
    uint32_t wideCount;        // the units from 0x100 on, ascending
    WCHAR wideUnits[255];
    uint8_t wideBytes[255];
};

struct Converter {
    UINT codePage;
    iconv_t handle;
    SingleByteCharacters singleBytes;
};

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

// The one UTF-16 unit that byte `b` alone stands for in the code page, or 0
// (a lead byte of a double-byte character, an unassigned byte).
WCHAR DecodeSingleByte(iconv_t decoder, uint8_t b) {
    char in[1] = {static_cast<char>(b)};
    unsigned char out[8];
    char *inPtr = in, *outPtr = reinterpret_cast<char *>(out);
    size_t inLeft = 1, outLeft = sizeof out;
    iconv(decoder, nullptr, nullptr, nullptr, nullptr);
    if (iconv(decoder, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) return 0;
    if (sizeof out - outLeft != sizeof(WCHAR)) return 0;
    return static_cast<WCHAR>(out[0] | (out[1] << 8));
}

// A byte enters the table only when iconv turns its character back into that
// byte alone, so the table never answers differently from iconv.
void FillSingleByteCharacters(iconv_t encoder, const char *name, SingleByteCharacters *table) {
    memset(table, 0, sizeof *table);
    iconv_t decoder = iconv_open("UTF-16LE", name);
    if (decoder == reinterpret_cast<iconv_t>(-1)) return;
    for (unsigned b = 1; b < 256; ++b) {
        const WCHAR unit = DecodeSingleByte(decoder, static_cast<uint8_t>(b));
        char back[8];
        if (unit == 0 || ConvertCodePoint(encoder, &unit, 1, back, sizeof back) != 1 ||
            static_cast<uint8_t>(back[0]) != b) {
            continue;
        }
        if (unit < 0x100) {
            table->byteOfLatin[unit] = static_cast<uint8_t>(b);
            continue;
        }
        uint32_t at = table->wideCount++;
        for (; at > 0 && table->wideUnits[at - 1] > unit; --at) {  // kept ascending
            table->wideUnits[at] = table->wideUnits[at - 1];
            table->wideBytes[at] = table->wideBytes[at - 1];
        }
        table->wideUnits[at] = unit;
        table->wideBytes[at] = static_cast<uint8_t>(b);
    }
    iconv_close(decoder);
}

// The byte the code page writes for this unit alone, or 0.
uint8_t SingleByteOf(const SingleByteCharacters &table, WCHAR unit) {
    if (unit < 0x100) return table.byteOfLatin[unit];
    uint32_t low = 0, high = table.wideCount;
    while (low < high) {
        const uint32_t middle = (low + high) / 2;
        if (table.wideUnits[middle] < unit) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low < table.wideCount && table.wideUnits[low] == unit ? table.wideBytes[low] : 0;
}

// One converter per code page, opened on first use and kept for the process.
// Null when iconv does not know the code page.
const Converter *ConverterFor(UINT codePage) {
    static Converter converters[8];
    for (const Converter &c : converters) {
        if (c.codePage == codePage) return &c;
    }
    char name[16];
    snprintf(name, sizeof name, "CP%u", codePage);
    iconv_t handle = iconv_open(name, "UTF-16LE");
    if (handle == reinterpret_cast<iconv_t>(-1)) return nullptr;
    for (Converter &c : converters) {
        if (c.codePage == 0) {
            FillSingleByteCharacters(handle, name, &c.singleBytes);
            c.handle = handle;
            c.codePage = codePage;
            return &c;
        }
    }
    // Every place is taken: this converter serves this one call, all of it
    // through iconv.
    static Converter overflow;
    if (overflow.handle != nullptr) iconv_close(overflow.handle);
    overflow.handle = handle;
    return &overflow;
}

// The decimal digits of a code page number (at most five) and a NUL;
// returns the digit count.
int DecimalText(int number, char (&text)[8]) {
    char reversed[8];
    int length = 0;
    do {
        reversed[length++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number != 0);
    for (int i = 0; i < length; ++i) text[i] = reversed[length - 1 - i];
    text[length] = '\0';
    return length;
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
    const int needed = DecimalText(codePage, text) + 1;
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
    const Converter *converter = ConverterFor(CodePage);
    if (converter == nullptr) {
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
        const uint8_t single = SingleByteOf(converter->singleBytes, lpWideCharStr[i]);
        size_t n = 1;
        if (single != 0) {
            bytes[0] = static_cast<char>(single);
        } else if (lpWideCharStr[i] == 0) {
            bytes[0] = '\0';
        } else {
            n = ConvertCodePoint(converter->handle, lpWideCharStr + i, units, bytes, sizeof bytes);
        }
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
