// The string tables of all seventeen languages, read through the library's
// own loading path: the same numbers and empty strings as English, the same
// placeholders, and every character representable in the language's ANSI
// code page.
#include <gtest/gtest.h>

#include <iconv.h>
#include <stdio.h>
#include <string.h>

#include <set>
#include <string>
#include <vector>

#include "common/library_state.h"
#include "pat.h"
#include "common/localized_string.h"
#include "common/string_maps.h"

namespace {

struct Language {
    const char *name;
    WORD id;
    UINT codePage;
};

const Language kLanguages[] = {
    {"JP", 0x0411, 932},  {"EN", 0x0409, 1252}, {"DE", 0x0407, 1252},   {"FR", 0x040C, 1252},
    {"IT", 0x0410, 1252}, {"ES", 0x040A, 1252}, {"NL", 0x0413, 1252},   {"SV", 0x041D, 1252},
    {"DA", 0x0406, 1252}, {"NO", 0x0414, 1252}, {"CS", 0x0405, 1250},   {"HU", 0x040E, 1250},
    {"PT", 0x0416, 1252}, {"PL", 0x0415, 1250}, {"FI", 0x040B, 1252},   {"ZH_CN", 0x0804, 936},
    {"ZH_TW", 0x0404, 950},
};

// Every block a string number below this can fall into is looked at.
constexpr uint32_t kHighestNumberChecked = 5119;

struct Loaded {
    uint32_t result;
    std::string text;
};

std::vector<Loaded> LoadAll() {
    std::vector<Loaded> all;
    for (uint32_t n = 0; n <= kHighestNumberChecked; ++n) {
        char text[1024];
        const uint32_t result = LoadLocalizedString(n, text, sizeof text);
        all.push_back({result, result == PAT_OK ? text : ""});
    }
    return all;
}

// The working buffer each kind of string is loaded into.
size_t WorkingBufferFor(uint32_t number) {
    if (number == 3500) return 16;                      // separator
    if (number >= 3000 && number < 3500) return 256;    // part names
    if (number >= 4000) return 256;                     // device names
    return 512;                                         // status text templates
}

size_t PlaceholderCount(const std::string &text) {
    size_t count = 0;
    for (size_t at = text.find("%s"); at != std::string::npos; at = text.find("%s", at + 2)) ++count;
    return count;
}

std::set<uint32_t> Range(uint32_t first, uint32_t last) {
    std::set<uint32_t> numbers;
    for (uint32_t n = first; n <= last; ++n) numbers.insert(n);
    return numbers;
}

TEST(StringResources, EnglishHoldsExactlyTheNumbersTheMapsUse) {
    ASSERT_EQ(PatSetLocale("EN"), 1);
    const std::vector<Loaded> english = LoadAll();
    std::set<uint32_t> expected;
    for (auto [first, last] : {std::pair{1000u, 1184u}, {1501u, 1549u}, {2000u, 2184u}, {2501u, 2549u},
                               {3000u, 3027u}, {3500u, 3500u}, {4000u, 4010u}, {5000u, 5005u}, {5020u, 5025u}}) {
        const std::set<uint32_t> range = Range(first, last);
        expected.insert(range.begin(), range.end());
    }
    for (uint32_t empty : {2165u, 2171u, 2176u, 2177u}) expected.erase(empty);
    std::set<uint32_t> nonEmpty;
    for (uint32_t n = 0; n < english.size(); ++n) {
        if (!english[n].text.empty()) nonEmpty.insert(n);
    }
    EXPECT_EQ(nonEmpty, expected);
    for (uint32_t empty : {1500u, 2165u, 2171u, 2176u, 2177u, 2500u}) {
        EXPECT_EQ(english[empty].result, PAT_OK) << empty << ": its block exists, so it loads as empty";
    }
    EXPECT_EQ(english[0].result, PAT_ERROR_MISSING_TABLE) << "block 1 does not exist";
    EXPECT_EQ(english[3500].text, ", ");
}

TEST(StringResources, EveryLanguageMatchesEnglishAndFitsItsCodePage) {
    ASSERT_EQ(PatSetLocale("EN"), 1);
    const std::vector<Loaded> english = LoadAll();
    for (const Language &language : kLanguages) {
        SCOPED_TRACE(language.name);
        ASSERT_EQ(PatSetLocale(language.name), 1);
        ASSERT_EQ(CurrentLanguage(), language.id);
        UINT codePage = 0;
        ASSERT_EQ(AnsiCodePageOf(language.id, &codePage), PAT_OK);
        EXPECT_EQ(codePage, language.codePage);
        const std::vector<Loaded> loaded = LoadAll();
        for (uint32_t n = 0; n < loaded.size(); ++n) {
            SCOPED_TRACE(testing::Message() << "string " << n);
            EXPECT_EQ(loaded[n].result, english[n].result);
            EXPECT_EQ(loaded[n].text.empty(), english[n].text.empty());
            EXPECT_EQ(PlaceholderCount(loaded[n].text), PlaceholderCount(english[n].text));
            if (loaded[n].text.empty()) continue;
            EXPECT_LT(loaded[n].text.size(), WorkingBufferFor(n)) << "cut when loaded for use";
            StoredString stored;
            ASSERT_EQ(FindStoredString(language.id, n, &stored), PAT_OK);
            std::vector<WCHAR> wide(stored.length);
            memcpy(wide.data(), stored.units, stored.length * sizeof(WCHAR));
            char converted[2048];
            BOOL usedDefault = TRUE;
            const int bytes = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), converted,
                                                  sizeof converted, nullptr, &usedDefault);
            EXPECT_FALSE(usedDefault) << "a character the code page cannot hold";
            EXPECT_EQ(std::string(converted, bytes), loaded[n].text);
        }
    }
}

TEST(LocalizedString, TooSmallBufferKeepsWholeCharacters) {
    ASSERT_EQ(PatSetLocale("EN"), 1);
    char text[8];
    EXPECT_EQ(LoadLocalizedString(1001, text, sizeof text), PAT_OK);  // "No Response from Machine"
    EXPECT_STREQ(text, "No Resp");
    ASSERT_EQ(PatSetLocale("JP"), 1);
    char full[64];
    ASSERT_EQ(LoadLocalizedString(1001, full, sizeof full), PAT_OK);
    ASSERT_GE(strlen(full), 6u);
    for (uint32_t size = 1; size <= 6; ++size) {
        char cut[8];
        memset(cut, 'x', sizeof cut);
        EXPECT_EQ(LoadLocalizedString(1001, cut, size), PAT_OK);
        const size_t length = strlen(cut);
        EXPECT_LT(length, size);
        EXPECT_EQ(length % 2, 0u) << "double-byte characters are kept whole";
        EXPECT_EQ(memcmp(cut, full, length), 0);
    }
}

TEST(LocalizedString, LanguageWithoutCodePageOrBlock) {
    SetCurrentLanguage(0x0407);
    char text[16] = "unchanged";
    EXPECT_EQ(LoadLocalizedString(16 * 4000, text, sizeof text), PAT_ERROR_MISSING_TABLE);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(LoadLocalizedString(0xFFFFFu, text, sizeof text), PAT_ERROR_MISSING_TABLE);
    SetCurrentLanguage(0x0007);  // no such locale: no code page
    EXPECT_EQ(LoadLocalizedString(1000, text, sizeof text), PAT_ERROR_UNKNOWN_LANGUAGE);
    SetCurrentLanguage(0x0400);  // the user's default language
    EXPECT_EQ(LoadLocalizedString(1000, text, sizeof text), PAT_OK);
    EXPECT_STREQ(text, "Operational");
}

TEST(LoadMappedString, KeysAndFailures) {
    ASSERT_EQ(PatSetLocale("EN"), 1);
    char text[64] = "unchanged";
    EXPECT_EQ(LoadMappedString(FindStringMap(kStatusTextMaps, PAT_TEXT_FORM_SHORT), 42001, text, sizeof text), PAT_OK);
    EXPECT_STREQ(text, "Paper Misfeed");
    EXPECT_EQ(LoadMappedString(FindStringMap(kPartNameMaps, PAT_TEXT_FORM_SHORT), 28, text, sizeof text), PAT_OK);
    EXPECT_STREQ(text, "Upper Right Cover");
    EXPECT_EQ(LoadMappedString(FindStringMap(kOptionalUnitMaps, 0x101), 854, text, sizeof text), PAT_OK);
    EXPECT_STREQ(text, "USB Board");
    EXPECT_EQ(LoadMappedString(FindStringMap(kReducedStatusTextMaps, PAT_TEXT_FORM_LONG), 10001, text, sizeof text), PAT_OK);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(LoadMappedString(FindStringMap(kStatusTextMaps, PAT_TEXT_FORM_SHORT), 42002, text, sizeof text),
              PAT_ERROR_MISSING_TABLE);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(LoadMappedString(nullptr, 42001, text, sizeof text), PAT_ERROR_MISSING_TABLE);
    EXPECT_EQ(LoadMappedString(kShortTextMap, 42001, text, 0), PAT_ERROR_MISSING_TABLE);
    EXPECT_EQ(FindStringMap(kStatusTextMaps, 3), nullptr);
    EXPECT_EQ(FindStringMap(kPartNameMaps, PAT_TEXT_FORM_LONG), nullptr);
    EXPECT_EQ(FindStringMap(kStatusTextMaps, 0x102), kLongTextMap);
}

TEST(SetLocale, NamesAreMatchedUpperCasedOnTheirFirstNineCharacters) {
    const struct {
        const char *name;
        PatBool result;
        uint32_t error;
        WORD language;
    } cases[] = {
        {"EN", 1, 0, 0x0409},     {"en", 1, 0, 0x0409},   {"En", 1, 0, 0x0409},
        {"zh_cn", 1, 0, 0x0804},  {"jp", 1, 0, 0x0411},   {"Zh_Tw", 1, 0, 0x0404},
        {"ENGLISH", 0, PAT_ERROR_UNKNOWN_LANGUAGE, 0x0404}, {"", 0, PAT_ERROR_UNKNOWN_LANGUAGE, 0x0404},
        {"EN ", 0, PAT_ERROR_UNKNOWN_LANGUAGE, 0x0404},     {"ZH_CN_EXTRA_TEXT", 0, PAT_ERROR_UNKNOWN_LANGUAGE, 0x0404},
        {"ja", 0, PAT_ERROR_UNKNOWN_LANGUAGE, 0x0404},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(PatSetLocale(c.name), c.result) << c.name;
        EXPECT_EQ(GetLastError(), c.error) << c.name;
        EXPECT_EQ(CurrentLanguage(), c.language) << c.name;
    }
    EXPECT_EQ(PatSetLocale(nullptr), 0);
    EXPECT_EQ(GetLastError(), 87u);
    EXPECT_EQ(CurrentLanguage(), 0x0404);
    ASSERT_EQ(PatSetLocale("EN"), 1);
}

// The conversion takes the characters a code page writes as one byte from a
// table, and everything else from iconv: for every character of the basic
// plane, alone and in a run, the result must be iconv's, with the default
// character where iconv has none.
std::string IconvOrDefault(iconv_t cd, WCHAR unit, bool *usedDefault) {
    char in[2], out[8];
    memcpy(in, &unit, sizeof unit);
    char *inPtr = in, *outPtr = out;
    size_t inLeft = sizeof in, outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    *usedDefault = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) ||
                   iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1);
    return *usedDefault ? std::string("?") : std::string(out, sizeof out - outLeft);
}

TEST(WideCharToMultiByte, EveryCharacterConvertsAsIconvConvertsIt) {
    for (UINT codePage : {1250u, 1252u, 932u, 936u, 950u}) {
        SCOPED_TRACE(testing::Message() << "code page " << codePage);
        char name[16];
        snprintf(name, sizeof name, "CP%u", codePage);
        iconv_t cd = iconv_open(name, "UTF-16LE");
        ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
        std::vector<WCHAR> run;
        std::string expectedRun;
        for (uint32_t unit = 1; unit <= 0xFFFF; ++unit) {
            if (unit >= 0xD800 && unit <= 0xDFFF) continue;  // surrogates stand only in pairs
            const WCHAR wide = static_cast<WCHAR>(unit);
            bool expectedDefault = false;
            const std::string expected = IconvOrDefault(cd, wide, &expectedDefault);
            char out[8];
            BOOL usedDefault = !expectedDefault;
            const int n = WideCharToMultiByte(codePage, 0, &wide, 1, out, sizeof out, nullptr, &usedDefault);
            ASSERT_EQ(std::string(out, n > 0 ? n : 0), expected) << "U+" << std::hex << unit;
            ASSERT_EQ(usedDefault != FALSE, expectedDefault) << "U+" << std::hex << unit;
            if (unit % 97 == 0 || (unit >= 0x80 && unit < 0x180)) {
                run.push_back(wide);
                expectedRun += expected;
            }
        }
        iconv_close(cd);
        std::string converted(expectedRun.size() + 1, '\0');
        run.push_back(0);
        const int n = WideCharToMultiByte(codePage, 0, run.data(), -1, &converted[0],
                                          static_cast<int>(converted.size()), nullptr, nullptr);
        EXPECT_EQ(n, static_cast<int>(expectedRun.size() + 1));
        EXPECT_EQ(converted, expectedRun + '\0');
    }
}

}  // namespace
