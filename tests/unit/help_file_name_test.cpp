// PatGetStatusHelpFileName: this family names no help file, but the call
// still validates, runs the selection and follows the buffer rules.
#include <gtest/gtest.h>

#include <string.h>

#include "pat.h"
#include "platform/platform.h"
#include "support/alloc_sweep.h"
#include "support/status_fixture.h"

namespace {

TEST(StatusHelpFileName, EmptyNameAndItsLength) {
    TestRecord input;
    input.WithStatuses({10073, 40800});
    const struct {
        uint32_t sourceType;
        uint32_t capacity;
        bool withBuffer;
        PatBool result;
        uint32_t error;
    } cases[] = {
        {1, 1, true, 1, 0},
        {1, 512, true, 1, 0},
        {0x80000002u, 1, true, 1, 0},  // T1 serves it
        {1, 0, true, 0, 122},
        {1, 100, false, 0, 122},
        {0x8000, 100, true, 0, PAT_ERROR_MISSING_TABLE},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.sourceType << std::dec << " capacity " << c.capacity);
        char text[4] = {'x', 'x', 'x', 'x'};
        uint32_t length = c.capacity;
        EXPECT_EQ(PatGetStatusHelpFileName(c.sourceType, &input.record, 0, c.withBuffer ? text : nullptr, &length),
                  c.result);
        EXPECT_EQ(GetLastError(), c.error);
        if (c.error == PAT_ERROR_MISSING_TABLE) {
            EXPECT_EQ(length, c.capacity);
        } else {
            EXPECT_EQ(length, 1u);
        }
        EXPECT_EQ(text[0], c.result ? '\0' : 'x');
    }
}

TEST(StatusHelpFileName, RefusesBadArguments) {
    TestRecord input;
    TestRecord old;
    old.record.dwVersion = 403;
    uint32_t length = 10;
    char text[10];
    EXPECT_EQ(PatGetStatusHelpFileName(1, nullptr, 0, text, &length), 0);
    EXPECT_EQ(GetLastError(), 87u);
    EXPECT_EQ(PatGetStatusHelpFileName(1, &input.record, 0, text, nullptr), 0);
    EXPECT_EQ(GetLastError(), 87u);
    EXPECT_EQ(PatGetStatusHelpFileName(0x10, &input.record, 0, text, &length), 0);
    EXPECT_EQ(GetLastError(), 87u);
    EXPECT_EQ(PatGetStatusHelpFileName(1, &old.record, 0, text, &length), 0);
    EXPECT_EQ(GetLastError(), 87u);
    EXPECT_EQ(length, 10u);
}

// More codes of one priority than the selection holds on the stack: a code
// that finds no memory is left out, and the name (there is none) still comes.
TEST(StatusHelpFileName, RunningOutOfMemoryStillAnswers) {
    TestRecord input;
    for (int i = 0; i < 8; ++i) input.WithStatuses({10073, 10074, 10075});
    const long allocations = SweepAllocationFailures([&](long) {
        char text[8];
        uint32_t length = sizeof text;
        EXPECT_EQ(PatGetStatusHelpFileName(4, &input.record, 0, text, &length), 1);
        EXPECT_EQ(GetLastError(), 0u);
        EXPECT_STREQ(text, "");
    });
    EXPECT_GE(allocations, 1) << "the codes no longer outgrow their room on the stack";
}

}  // namespace
