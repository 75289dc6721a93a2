// PatGetDeviceName through the DLL, in English, Japanese and Simplified Chinese.
#include <gtest/gtest.h>

#include <string.h>

#include "dll_fixture.h"

namespace {

using GetDeviceName = PatBool(WINAPI *)(uint32_t, const void *, uint32_t, char *, uint32_t *);
using SetLocale = PatBool(WINAPI *)(const char *);

TEST(DeviceName, DisplayNamesThroughTheDll) {
    auto getDeviceName = PatExport<GetDeviceName>("PatGetDeviceName");
    auto setLocale = PatExport<SetLocale>("PatSetLocale");
    ASSERT_NE(getDeviceName, nullptr);
    const uint32_t usbBoard = 854, noName = 832;
    const struct {
        const char *locale;
        uint32_t kind;
        const void *name;
        uint32_t check;
        uint32_t error;
        const char *text;
    } cases[] = {
        {"EN", 1, "Bypass Tray", 0x97, 0, "Bypass Tray"},
        {"EN", 2, "Internal Shift Tray", 0x97, 0, "Internal Shift Tray"},
        {"EN", 3, &usbBoard, 0x96, 0, "USB Board"},
        {"JP", 1, "Bypass Tray", 0x97, 0, "\x8e\xe8\x8d\xb7\x82\xb5\x83g\x83\x8c\x83" "C"},
        {"ZH_CN", 3, &usbBoard, 0x96, 0, "USB\xbd\xd3\xbf\xda\xb0\xe5"},
        {"EN", 3, &noName, 0x96, 0x2000FFFFu, nullptr},
        {"EN", 1, "Internal Tray 1", 0x97, 87, nullptr},
        {"EN", 1, "Bypass Tray", 0x96, 87, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.locale << " kind " << c.kind);
        ASSERT_EQ(setLocale(c.locale), 1);
        char text[64];
        memset(text, '#', sizeof text);
        uint32_t length = sizeof text;
        EXPECT_EQ(getDeviceName(c.kind, c.name, c.check, text, &length), c.error == 0 ? 1 : 0);
        EXPECT_EQ(GetLastError(), c.error);
        if (c.error == 0) {
            EXPECT_STREQ(text, c.text);
            EXPECT_EQ(length, strlen(c.text) + 1);
        } else {
            EXPECT_EQ(text[0], '#');
        }
    }
    setLocale("EN");
    uint32_t length = 0;
    EXPECT_EQ(getDeviceName(1, "Bypass Tray", 0x97, nullptr, &length), 0);
    EXPECT_EQ(GetLastError(), 122u);
    EXPECT_EQ(length, 12u);
}

}  // namespace
