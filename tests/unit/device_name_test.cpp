// PatGetDeviceName: display names by kind, check byte and language, and the
// rule that the caller's buffer is written only on success.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "pat.h"
#include "platform/platform.h"
#include "support/alloc_sweep.h"

namespace {

struct DeviceNameCase {
    const char *name;
    uint32_t kind;
    const void *deviceName;
    uint32_t check;
    PatBool result;
    uint32_t error;
    const char *text;  // expected name on success
};

const uint32_t kOption830 = 830, kOption859 = 859, kOption832 = 832, kOption0 = 0;

TEST(DeviceName, NamesByKindInEnglish) {
    ASSERT_EQ(PatSetLocale("EN"), 1);
    const DeviceNameCase cases[] = {
        {"bypass tray", PAT_DEVICE_NAME_TRAY, "Bypass Tray", PAT_CHECK_NAMED_DEVICE, 1, 0, "Bypass Tray"},
        {"tray 3 (LCT)", PAT_DEVICE_NAME_TRAY, "Tray 3 (LCT)", 0x100 | PAT_CHECK_NAMED_DEVICE, 1, 0, "Tray 3 (LCT)"},
        {"internal shift tray", PAT_DEVICE_NAME_OUTPUT_BIN, "Internal Shift Tray", PAT_CHECK_NAMED_DEVICE, 1, 0, "Internal Shift Tray"},
        {"finisher booklet tray", PAT_DEVICE_NAME_OUTPUT_BIN, "Finisher Booklet Tray", PAT_CHECK_NAMED_DEVICE, 1, 0, "Finisher Booklet Tray"},
        {"option 830", PAT_DEVICE_NAME_OPTION, &kOption830, PAT_CHECK_OPTION, 1, 0, "Tray 3 and 4"},
        {"option 859", PAT_DEVICE_NAME_OPTION, &kOption859, PAT_CHECK_OPTION, 1, 0, "Bluetooth Interface"},
        {"kind 1 with the option check byte", PAT_DEVICE_NAME_TRAY, "Bypass Tray", PAT_CHECK_OPTION, 0, PAT_ERROR_INVALID_PARAMETER, nullptr},
        {"kind 3 with the name check byte", PAT_DEVICE_NAME_OPTION, &kOption830, PAT_CHECK_NAMED_DEVICE, 0, PAT_ERROR_INVALID_PARAMETER, nullptr},
        {"bin name as a tray", PAT_DEVICE_NAME_TRAY, "Internal Tray 1", PAT_CHECK_NAMED_DEVICE, 0, PAT_ERROR_INVALID_PARAMETER, nullptr},
        {"tray name as a bin", PAT_DEVICE_NAME_OUTPUT_BIN, "Tray 1", PAT_CHECK_NAMED_DEVICE, 0, PAT_ERROR_INVALID_PARAMETER, nullptr},
        {"names are case-sensitive", PAT_DEVICE_NAME_TRAY, "bypass tray", PAT_CHECK_NAMED_DEVICE, 0, PAT_ERROR_INVALID_PARAMETER, nullptr},
        {"null tray name", PAT_DEVICE_NAME_TRAY, nullptr, PAT_CHECK_NAMED_DEVICE, 0, PAT_ERROR_INVALID_PARAMETER, nullptr},
        {"null option code", PAT_DEVICE_NAME_OPTION, nullptr, PAT_CHECK_OPTION, 0, PAT_ERROR_INVALID_PARAMETER, nullptr},
        {"option without a display name", PAT_DEVICE_NAME_OPTION, &kOption832, PAT_CHECK_OPTION, 0, PAT_ERROR_MISSING_TABLE, nullptr},
        {"option 0", PAT_DEVICE_NAME_OPTION, &kOption0, PAT_CHECK_OPTION, 0, PAT_ERROR_MISSING_TABLE, nullptr},
        {"kind 0", 0, "Tray 1", PAT_CHECK_NAMED_DEVICE, 0, PAT_ERROR_INVALID_PARAMETER, nullptr},
        {"kind 4", 4, "Tray 1", PAT_CHECK_NAMED_DEVICE, 0, PAT_ERROR_INVALID_PARAMETER, nullptr},
    };
    for (const DeviceNameCase &c : cases) {
        SCOPED_TRACE(c.name);
        char text[64];
        memset(text, '#', sizeof text);
        uint32_t length = sizeof text;
        EXPECT_EQ(PatGetDeviceName(c.kind, c.deviceName, c.check, text, &length), c.result);
        EXPECT_EQ(GetLastError(), c.error);
        if (c.result) {
            EXPECT_STREQ(text, c.text);
            EXPECT_EQ(length, strlen(c.text) + 1);
        } else {
            EXPECT_EQ(text[0], '#');
            EXPECT_EQ(length, sizeof text) << "length touched on failure";
        }
    }
}

TEST(DeviceName, LengthRules) {
    ASSERT_EQ(PatSetLocale("EN"), 1);
    char text[16];
    memset(text, '#', sizeof text);
    uint32_t length = 0;
    EXPECT_EQ(PatGetDeviceName(PAT_DEVICE_NAME_TRAY, "Bypass Tray", PAT_CHECK_NAMED_DEVICE, nullptr, &length), 0);
    EXPECT_EQ(GetLastError(), 122u);
    EXPECT_EQ(length, 12u);
    length = 11;
    EXPECT_EQ(PatGetDeviceName(PAT_DEVICE_NAME_TRAY, "Bypass Tray", PAT_CHECK_NAMED_DEVICE, text, &length), 0);
    EXPECT_EQ(GetLastError(), 122u);
    EXPECT_EQ(length, 12u);
    EXPECT_EQ(text[0], '#');
    EXPECT_EQ(PatGetDeviceName(PAT_DEVICE_NAME_TRAY, "Bypass Tray", PAT_CHECK_NAMED_DEVICE, text, &length), 1);
    EXPECT_STREQ(text, "Bypass Tray");
    length = 100;
    EXPECT_EQ(PatGetDeviceName(PAT_DEVICE_NAME_TRAY, "Bypass Tray", PAT_CHECK_NAMED_DEVICE, nullptr, &length), 0) << "never written through null";
    EXPECT_EQ(GetLastError(), 122u);
    EXPECT_EQ(PatGetDeviceName(PAT_DEVICE_NAME_TRAY, "Bypass Tray", PAT_CHECK_NAMED_DEVICE, text, nullptr), 0);
    EXPECT_EQ(GetLastError(), PAT_ERROR_INVALID_PARAMETER);
}

TEST(DeviceName, FollowsTheCurrentLanguage) {
    ASSERT_EQ(PatSetLocale("DE"), 1);
    char german[64];
    uint32_t length = sizeof german;
    ASSERT_EQ(PatGetDeviceName(PAT_DEVICE_NAME_OPTION, &kOption830, PAT_CHECK_OPTION, german, &length), 1);
    ASSERT_EQ(PatSetLocale("JP"), 1);
    char japanese[64];
    length = sizeof japanese;
    ASSERT_EQ(PatGetDeviceName(PAT_DEVICE_NAME_OUTPUT_BIN, "Internal Tray 1", PAT_CHECK_NAMED_DEVICE, japanese, &length), 1);
    EXPECT_STRNE(german, "Tray 3 and 4");
    EXPECT_NE(static_cast<unsigned char>(japanese[0]) & 0x80, 0) << "code page 932 text";
    ASSERT_EQ(PatSetLocale("EN"), 1);
}

TEST(DeviceName, NothingLeftBehindWhenMemoryRunsOut) {
    ASSERT_EQ(PatSetLocale("EN"), 1);
    SweepAllocationFailures([](long) {
        char text[64];
        uint32_t length = sizeof text;
        EXPECT_EQ(PatGetDeviceName(PAT_DEVICE_NAME_OPTION, &kOption859, PAT_CHECK_OPTION, text, &length), 1);
        length = sizeof text;
        EXPECT_EQ(PatGetDeviceName(PAT_DEVICE_NAME_TRAY, "Tray 4", PAT_CHECK_NAMED_DEVICE, text, &length), 1);
    });
}

}  // namespace
