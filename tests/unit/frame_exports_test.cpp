// The two exports that describe the library, and the not-yet-built exports'
// refusal to pretend success.
#include <gtest/gtest.h>

#include <string.h>

#include "pat.h"
#include "platform/platform.h"
#include "support/alloc_sweep.h"

namespace {

TEST(DllVersion, FillsFirst32BytesAndLeavesTheRest) {
    uint32_t record[10];
    for (uint32_t &w : record) w = 0xAAAAAAAAu;
    record[0] = 40;
    SetLastError(1234);
    ASSERT_EQ(PatGetDllVersion(reinterpret_cast<PatVersionInfo *>(record)), 1);
    EXPECT_EQ(GetLastError(), 0u);
    const uint32_t expected[8] = {40, 0x01000000u, 0x02000100u, 0x03060000u, 0, 0, 0, 0};
    EXPECT_EQ(memcmp(record, expected, sizeof expected), 0);
    EXPECT_EQ(record[8], 0xAAAAAAAAu);
    EXPECT_EQ(record[9], 0xAAAAAAAAu);
}

TEST(DllVersion, RefusesNullAndShortRecordWithoutWriting) {
    EXPECT_EQ(PatGetDllVersion(nullptr), 0);
    EXPECT_EQ(GetLastError(), 87u);
    PatVersionInfo record;
    memset(&record, 0x55, sizeof record);
    record.dwSize = 31;
    EXPECT_EQ(PatGetDllVersion(&record), 0);
    EXPECT_EQ(GetLastError(), 87u);
    EXPECT_EQ(record.dwFileVersion, 0x55555555u);
}

TEST(DllVersion, FailingVersionBlockAllocationReportsTheSystemError) {
    SweepAllocationFailures([](long failAt) {
        PatVersionInfo record = {};
        record.dwSize = 32;
        const PatBool ok = PatGetDllVersion(&record);
        EXPECT_EQ(ok, failAt == 0 ? 1 : 0);
        EXPECT_EQ(GetLastError(), failAt == 0 ? 0u : 8u);
        if (!ok) {
            EXPECT_EQ(record.dwSize, 32u);
            EXPECT_EQ(record.dwFileVersion, 0u);
            EXPECT_EQ(record.dwFixed1, 0u);
        }
    });
}

struct ProfileCase {
    uint32_t sourceType;
    uint32_t capacity;
    PatBool result;
    uint32_t error;
    uint32_t words[5];
};

TEST(PeripheralProfile, AnswersPerSourceType) {
    const ProfileCase cases[] = {
        {0x1, 20, 1, 0, {0x20000, 3, 3, 2, 0}},
        {0x80000001u, 20, 1, 0, {0x20000, 3, 3, 2, 0}},
        {0x2, 24, 1, 0, {0x20000, 3, 3, 0, 0}},
        {0x4, 20, 1, 0, {0x20000, 3, 3, 0, 0}},
        {0x8, 20, 1, 0, {0x20000, 3, 3, 0, 0}},
        {0x8000, 20, 1, 0, {0x20000, 3, 66, 0, 0}},
        {0x8000, 19, 0, 122, {0}},
        {0x10, 20, 0, 87, {0}},
        {0x0, 20, 0, 87, {0}},
    };
    for (const ProfileCase &c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.sourceType << " capacity " << std::dec << c.capacity);
        PatPeripheralProfile profile;
        memset(&profile, 0xCC, sizeof profile);
        uint32_t length = c.capacity;
        EXPECT_EQ(PatGetPeripheralProfile(c.sourceType, &profile, &length), c.result);
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_EQ(length, 20u);
        if (c.result) {
            EXPECT_EQ(memcmp(profile.dwWord, c.words, sizeof c.words), 0);
        } else {
            EXPECT_EQ(profile.dwWord[0], 0xCCCCCCCCu) << "record written on failure";
        }
    }
}

TEST(PeripheralProfile, NullPointers) {
    EXPECT_EQ(PatGetPeripheralProfile(1, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), 87u);
    uint32_t length = 20;
    EXPECT_EQ(PatGetPeripheralProfile(1, nullptr, &length), 0);
    EXPECT_EQ(GetLastError(), 87u);
}

}  // namespace
