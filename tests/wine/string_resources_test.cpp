// The DLL's string tables as Windows loads them: in every language the same
// numbers, empty strings and placeholders as English, and every character
// representable in the language's ANSI code page.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <map>
#include <string>
#include <vector>

#include "dll_fixture.h"

namespace {

const WORD kLanguages[] = {0x0411, 0x0409, 0x0407, 0x040C, 0x0410, 0x040A, 0x0413, 0x041D, 0x0406,
                           0x0414, 0x0405, 0x040E, 0x0416, 0x0415, 0x040B, 0x0804, 0x0404};

// Every string of the language, by number, as UTF-16.
std::map<uint32_t, std::wstring> StringsOf(WORD language) {
    std::map<uint32_t, std::wstring> strings;
    HMODULE dll = PatDll();
    for (uint32_t block = 1; block <= 320; ++block) {
        HRSRC resource = FindResourceExA(dll, MAKEINTRESOURCEA(6), MAKEINTRESOURCEA(block), language);
        if (resource == nullptr) continue;
        const auto *data = static_cast<const WCHAR *>(LockResource(LoadResource(dll, resource)));
        const DWORD units = SizeofResource(dll, resource) / sizeof(WCHAR);
        DWORD at = 0;
        for (uint32_t i = 0; i < 16 && at < units; ++i) {
            const DWORD length = data[at++];
            if (at + length > units) break;
            strings[(block - 1) * 16 + i] = std::wstring(data + at, data + at + length);
            at += length;
        }
    }
    return strings;
}

size_t PlaceholderCount(const std::wstring &text) {
    size_t count = 0;
    for (size_t at = text.find(L"%s"); at != std::wstring::npos; at = text.find(L"%s", at + 2)) ++count;
    return count;
}

UINT AnsiCodePageOf(WORD language) {
    char text[16] = "";
    GetLocaleInfoA(MAKELCID(language, SORT_DEFAULT), LOCALE_IDEFAULTANSICODEPAGE, text, sizeof text);
    return static_cast<UINT>(strtoul(text, nullptr, 10));
}

TEST(StringResources, EveryLanguageMatchesEnglishThroughTheDll) {
    ASSERT_NE(PatDll(), nullptr);
    const std::map<uint32_t, std::wstring> english = StringsOf(0x0409);
    size_t nonEmpty = 0;
    for (const auto &entry : english) nonEmpty += entry.second.empty() ? 0 : 1;
    EXPECT_EQ(nonEmpty, 185u + 49 + 181 + 49 + 28 + 1 + 11 + 6 + 6);
    for (WORD language : kLanguages) {
        SCOPED_TRACE(testing::Message() << std::hex << language);
        const std::map<uint32_t, std::wstring> strings = StringsOf(language);
        ASSERT_EQ(strings.size(), english.size());
        const UINT codePage = AnsiCodePageOf(language);
        ASSERT_NE(codePage, 0u);
        for (const auto &[number, reference] : english) {
            SCOPED_TRACE(number);
            auto found = strings.find(number);
            ASSERT_NE(found, strings.end());
            const std::wstring &text = found->second;
            EXPECT_EQ(text.empty(), reference.empty());
            EXPECT_EQ(PlaceholderCount(text), PlaceholderCount(reference));
            if (text.empty()) continue;
            char converted[2048];
            BOOL usedDefault = TRUE;
            WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), converted,
                                sizeof converted, nullptr, &usedDefault);
            EXPECT_FALSE(usedDefault) << "a character code page " << codePage << " cannot hold";
        }
    }
}

}  // namespace
