// PatGetStatusString through the DLL: the same bytes the Linux build gives,
// in English, Japanese (code page 932) and Simplified Chinese (936), whatever
// the host's own code page.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "dll_fixture.h"
#include "support/expected_status_texts.h"
#include "support/status_scenario.h"

namespace {

using GetStatusString = PatBool(WINAPI *)(uint32_t, PatInfoNode *, uint32_t, uint32_t, char *, uint32_t *);
using SetLocale = PatBool(WINAPI *)(const char *);

TEST(StatusText, ExpectedTextsThroughTheDll) {
    auto getStatusString = PatExport<GetStatusString>("PatGetStatusString");
    auto setLocale = PatExport<SetLocale>("PatSetLocale");
    ASSERT_NE(getStatusString, nullptr);
    ASSERT_NE(setLocale, nullptr);
    for (const StatusTextCase &c : kStatusTextCases) {
        SCOPED_TRACE(c.name);
        StatusScenario scenario(c.sourceType);
        FillScenario(c, scenario);
        ASSERT_EQ(setLocale(c.locale), 1);
        char text[1024];
        memset(text, '#', sizeof text);
        uint32_t length = sizeof text;
        const PatBool result = getStatusString(c.sourceType, scenario.root(), 3, c.textForm, text, &length);
        EXPECT_EQ(GetLastError(), c.error);
        if (c.error != 0) {
            EXPECT_EQ(result, 0);
            continue;
        }
        ASSERT_EQ(result, 1);
        EXPECT_EQ(std::string(text), std::string(c.text));
        EXPECT_EQ(length, strlen(c.text) + 1);
    }
    setLocale("EN");
}

TEST(StatusText, BufferTooSmallReportsTheNeededLength) {
    auto getStatusString = PatExport<GetStatusString>("PatGetStatusString");
    PatExport<SetLocale>("PatSetLocale")("en");
    StatusScenario scenario(1, {10073, 10075});
    const char *expected = "The following toner is low: \nYellow, Cyan";
    char text[64];
    memset(text, '#', sizeof text);
    uint32_t length = static_cast<uint32_t>(strlen(expected));
    EXPECT_EQ(getStatusString(1, scenario.root(), 3, 2, text, &length), 0);
    EXPECT_EQ(GetLastError(), 122u);
    EXPECT_EQ(length, strlen(expected) + 1);
    EXPECT_EQ(text[0], '#');
    EXPECT_EQ(getStatusString(1, scenario.root(), 3, 2, text, &length), 1);
    EXPECT_STREQ(text, expected);
    EXPECT_EQ(getStatusString(1, scenario.root(), 2, 2, text, &length), 0);
    EXPECT_EQ(GetLastError(), 87u);
}

TEST(StatusText, UnknownLanguageLeavesTheCurrentOne) {
    auto setLocale = PatExport<SetLocale>("PatSetLocale");
    auto getStatusString = PatExport<GetStatusString>("PatGetStatusString");
    ASSERT_EQ(setLocale("zh_cn"), 1);
    EXPECT_EQ(setLocale("ENGLISH"), 0);
    EXPECT_EQ(GetLastError(), 0x20000001u);
    EXPECT_EQ(setLocale(nullptr), 0);
    EXPECT_EQ(GetLastError(), 87u);
    StatusScenario scenario(1, {42001});
    char text[64];
    uint32_t length = sizeof text;
    ASSERT_EQ(getStatusString(1, scenario.root(), 3, 1, text, &length), 1);
    EXPECT_STREQ(text, "\xbf\xa8\xd6\xbd");
    setLocale("EN");
}

}  // namespace
