// PatGetStatusString and the composition of the status text: expected bytes
// per language, part lists, placeholders, limits and the buffer rules.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "common/growable_array.h"
#include "pat.h"
#include "platform/platform.h"
#include "status/status_text.h"
#include "support/alloc_sweep.h"
#include "support/expected_status_texts.h"
#include "support/status_fixture.h"
#include "support/status_scenario.h"

namespace {

struct Outcome {
    PatBool result;
    uint32_t error;
    uint32_t length;
    std::string text;
};

Outcome GetText(uint32_t sourceType, PatInfoNode *root, uint32_t textForm, uint32_t capacity = 1024,
                bool withBuffer = true) {
    std::vector<char> buffer(capacity + 1, '#');
    uint32_t length = capacity;
    SetLastError(1234);
    const PatBool result = PatGetStatusString(sourceType, root, 3, textForm, withBuffer ? buffer.data() : nullptr,
                                              &length);
    const std::string text = result ? std::string(buffer.data()) : std::string(buffer.data(), capacity);
    return {result, GetLastError(), length, text};
}

TEST(StatusString, ExpectedTextsByteForByte) {
    for (const StatusTextCase &c : kStatusTextCases) {
        SCOPED_TRACE(c.name);
        StatusScenario scenario(c.sourceType);
        FillScenario(c, scenario);
        ASSERT_EQ(PatSetLocale(c.locale), 1);
        const Outcome outcome = GetText(c.sourceType, scenario.root(), c.textForm);
        EXPECT_EQ(outcome.error, c.error);
        if (c.error != 0) {
            EXPECT_EQ(outcome.result, 0);
            EXPECT_EQ(outcome.length, 1024u) << "no text composed, no length reported";
            continue;
        }
        EXPECT_EQ(outcome.result, 1);
        EXPECT_EQ(outcome.text, c.text);
        EXPECT_EQ(outcome.length, strlen(c.text) + 1);
    }
    PatSetLocale("EN");
}

TEST(StatusString, BufferRules) {
    PatSetLocale("EN");
    StatusScenario scenario(1, {10073, 10075});
    const std::string text = "The following toner is low: \nYellow, Cyan";
    const uint32_t needed = static_cast<uint32_t>(text.size()) + 1;

    Outcome exact = GetText(1, scenario.root(), 2, needed);
    EXPECT_EQ(exact.result, 1);
    EXPECT_EQ(exact.text, text);

    for (uint32_t capacity : {needed - 1, 0u}) {
        Outcome tooSmall = GetText(1, scenario.root(), 2, capacity);
        EXPECT_EQ(tooSmall.result, 0);
        EXPECT_EQ(tooSmall.error, 122u);
        EXPECT_EQ(tooSmall.length, needed);
        EXPECT_EQ(tooSmall.text, std::string(capacity, '#')) << "buffer written on failure";
    }
    Outcome noBuffer = GetText(1, scenario.root(), 2, 4096, false);
    EXPECT_EQ(noBuffer.error, 122u);
    EXPECT_EQ(noBuffer.length, needed);
}

TEST(StatusString, RefusedArguments) {
    StatusScenario scenario(1, {10073});
    StatusScenario wrongSource(2, {10073});  // no base node for source type 1
    uint32_t length = 100;
    char text[100];
    const struct {
        const char *name;
        uint32_t sourceType;
        PatInfoNode *root;
        uint32_t interfaceVersion;
        uint32_t *length;
    } cases[] = {
        {"null root", 1, nullptr, 3, &length},
        {"null length", 1, scenario.root(), 3, nullptr},
        {"interface version 2", 1, scenario.root(), 2, &length},
        {"source type 0x10", 0x10, scenario.root(), 3, &length},
        {"tree without the base node", 1, wrongSource.root(), 3, &length},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(PatGetStatusString(c.sourceType, c.root, c.interfaceVersion, 2, text, c.length), 0) << c.name;
        EXPECT_EQ(GetLastError(), 87u) << c.name;
    }
    EXPECT_EQ(length, 100u);
    EXPECT_EQ(PatGetStatusString(1, scenario.root(), 0x103, 2, text, &length), 1) << "only the low byte counts";
}

TEST(StatusString, PartsInMapOrderEachOnce) {
    PatSetLocale("EN");
    const struct {
        const char *name;
        std::vector<uint32_t> codes;
        std::vector<uint16_t> options;
        const char *text;
    } cases[] = {
        {"toner colours by row, not by code", {10075, 10072, 10074, 10073}, {},
         "The following toner is low: \nYellow, Magenta, Cyan, Black"},
        {"detail 28 stands between 14 and 15; duplex unit once", {42009, 42000}, {102},
         "Open the indicated cover, and then remove any jammed paper.\n"
         "Duplex Unit, Upper Right Cover, Lower Right Cover"},
        {"every message adds its part, not only the first code's", {10075, 10075, 10074}, {},
         "The following toner is low: \nYellow, Magenta"},
    };
    for (const auto &c : cases) {
        StatusScenario scenario(1);
        for (uint32_t code : c.codes) scenario.WithStatus(code);
        for (uint16_t option : c.options) scenario.WithOption(option);
        EXPECT_EQ(GetText(1, scenario.root(), 2).text, c.text) << c.name;
    }
}

// Message lists built by hand, for the composition's own rules.
class Composition : public testing::Test {
protected:
    void SetUp() override {
        PatSetLocale("EN");
        ASSERT_TRUE(messages_.Create(kMessagesPerStep, 1));
    }
    void TearDown() override { messages_.Free(); }
    void AddMessage(uint32_t code, uint32_t detail) {
        MessageEntry entry = {};
        entry.messageCode = code;
        entry.detailIndex = detail;
        ASSERT_TRUE(messages_.Append(entry));
    }
    std::string Expand(const char *pattern, uint32_t capacity = kStatusTextSize) {
        std::vector<char> text(capacity + 8, '#');
        ExpandTemplate(pattern, messages_, text.data(), capacity);
        EXPECT_EQ(text[capacity + 1], '#');
        return text.data();
    }
    ArrayOf<MessageEntry> messages_;
};

TEST_F(Composition, EveryPlaceholderGetsTheSameList) {
    AddMessage(40300, 7);
    AddMessage(40300, 0);
    AddMessage(40300, 1);
    EXPECT_EQ(Expand("A %s; B %s."), "A Tray 1, Internal Tray 1; B Tray 1, Internal Tray 1.");
    EXPECT_EQ(Expand("100% %d %"), "100% %d %");
    EXPECT_EQ(Expand("%%s|%S"), "%Tray 1, Internal Tray 1|%S");
}

TEST_F(Composition, UnknownDetailDropsTheListNotTheText) {
    AddMessage(40300, 7);
    AddMessage(40300, 99);
    EXPECT_EQ(Expand("Full: %s."), "Full: .");
    char list[kPartListSize] = "stale";
    EXPECT_EQ(BuildPartList(messages_, list, sizeof list), PAT_ERROR_MISSING_TABLE);
    EXPECT_STREQ(list, "");
}

TEST_F(Composition, NoPartsGiveAnEmptyList) {
    AddMessage(10001, 0);
    char list[kPartListSize] = "stale";
    EXPECT_EQ(BuildPartList(messages_, list, sizeof list), PAT_OK);
    EXPECT_STREQ(list, "");
}

TEST_F(Composition, PartListKeepsWholeNamesWithin255Characters) {
    for (uint32_t detail = 28; detail >= 1; --detail) AddMessage(40200, detail);
    char list[kPartListSize];
    memset(list, '#', sizeof list);
    EXPECT_EQ(BuildPartList(messages_, list, sizeof list), PAT_OK);
    const std::string full =
        "Tray 1, Tray 2, Tray 3, Tray 4, Tray 3 (LCT), Bypass Tray, Internal Tray 1, Bridge Unit Cover (Right), "
        "Bridge Unit Cover (Left), Duplex Unit, Finisher Upper Tray, Finisher Shift Tray, Finisher Booklet Tray, "
        "Front Cover, Upper Right Cover, Lower Right Cover, Finisher Upper Cover";
    ASSERT_LE(strlen(list), 255u);
    EXPECT_EQ(std::string(list), full.substr(0, strlen(list)));
    EXPECT_EQ(full.compare(0, strlen(list) + 2, std::string(list) + ", "), 0) << "ends after a whole name";
    EXPECT_GT(strlen(list), 200u);
}

TEST_F(Composition, TextStaysWithin511Characters) {
    AddMessage(40200, 1);
    const std::string head(500, 'h');
    EXPECT_EQ(Expand((head + "%s" + "tail").c_str()), head + "Tray 1tail");
    const std::string longHead(505, 'h');
    EXPECT_EQ(Expand((longHead + "%s" + "tail").c_str()), longHead + "tail") << "the list gives way to the template";
    const std::string full(600, 'f');
    EXPECT_EQ(Expand(full.c_str()), std::string(511, 'f'));
    EXPECT_EQ(Expand("abc%s", 4), "abc");
    EXPECT_EQ(Expand("abc", 1), "");
}

TEST(StatusString, LongServiceCodeIsCutAt511Characters) {
    PatSetLocale("EN");
    std::string serviceText(255, 'x');
    serviceText.replace(0, 2, "SC");
    StatusScenario scenario(1);
    scenario.WithStatus(40800, serviceText.c_str());
    const Outcome outcome = GetText(1, scenario.root(), 2);
    ASSERT_EQ(outcome.result, 1);
    const std::string head = PAT_SERVICE_CALL_EN;
    EXPECT_EQ(outcome.text, head + serviceText);  // 102 + 255 characters fit
    EXPECT_LE(outcome.text.size(), 511u);
}

// Eleven pairs of the same two misfeeds: more codes and more messages than
// the room the selection and the message list have on the stack, so both
// move to the heap.  An entry that finds no memory is left out, and every
// entry past the room repeats one within it, so the text stays whole.
TEST(StatusString, RunningOutOfMemoryLeavesOutOnlyEntriesAndNothingBehind) {
    PatSetLocale("EN");
    TestRecord printer;
    for (int pair = 0; pair < 11; ++pair) printer.WithStatuses({42001, 42009});
    printer.WithOption(114);
    StatusTree tree(1, EmptyOverride(), &printer.record);
    const long allocations = SweepAllocationFailures([&](long) {
        char text[512];
        uint32_t length = sizeof text;
        EXPECT_EQ(PatGetStatusString(1, tree.root(), 3, 2, text, &length), 1);
        EXPECT_STREQ(text,
                     "Open the indicated cover, and then remove any jammed paper.\n"
                     "Bridge Unit Cover (Right), Bridge Unit Cover (Left), Duplex Unit, Upper Right Cover");
    });
    EXPECT_GE(allocations, 2) << "the codes and the messages no longer outgrow their room on the stack";
}

}  // namespace
