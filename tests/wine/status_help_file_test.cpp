// PatGetStatusHelpFileName through the DLL: the empty name, the buffer rules
// and the selection's errors.
#include <gtest/gtest.h>

#include <string.h>

#include "dll_fixture.h"

namespace {

using GetHelpFileName = PatBool(WINAPI *)(uint32_t, PrnInfoEx *, uint32_t, char *, uint32_t *);

TEST(StatusHelpFileName, EmptyNameThroughTheDll) {
    auto getHelpFileName = PatExport<GetHelpFileName>("PatGetStatusHelpFileName");
    ASSERT_NE(getHelpFileName, nullptr);
    PatEngineStatusItem tonerLow = {};
    tonerLow.dwSize = sizeof tonerLow;
    tonerLow.wId = 10073;
    tonerLow.dwStatusCode = 10073;
    PrnInfoEx record = {};
    record.dwVersion = 404;
    record.nEngineStatus = 1;
    record.pEngineStatus = &tonerLow;

    char text[8] = "xxxxxxx";
    uint32_t length = 1;
    SetLastError(77);
    EXPECT_EQ(getHelpFileName(1, &record, 0, text, &length), 1);
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_EQ(length, 1u);
    EXPECT_EQ(text[0], '\0');

    length = 0;
    EXPECT_EQ(getHelpFileName(1, &record, 0, text, &length), 0);
    EXPECT_EQ(GetLastError(), 122u);
    EXPECT_EQ(length, 1u);

    length = sizeof text;
    EXPECT_EQ(getHelpFileName(0x80000002u, &record, 0, text, &length), 1);
    EXPECT_EQ(getHelpFileName(0x8000, &record, 0, text, &length), 0);
    EXPECT_EQ(GetLastError(), 0x2000FFFFu);
    EXPECT_EQ(getHelpFileName(0x10, &record, 0, text, &length), 0);
    EXPECT_EQ(GetLastError(), 87u);
    EXPECT_EQ(getHelpFileName(1, nullptr, 0, text, &length), 0);
    EXPECT_EQ(GetLastError(), 87u);
}

}  // namespace
