// The status page's parts that need no server: the language a request asks
// for, the picture's address, and the views of polls made through the
// library (17 languages, the picture, nothing left alive).
#include <gtest/gtest.h>

#include "library/host_record.h"
#include "library/linked_exports.h"
#include "library/record_from_state.h"
#include "page/printer_view.h"
#include "page/status_page.h"
#include "platform/linux/heap_hooks.h"

namespace {

TEST(StatusPage, LanguageOfARequest) {
    const struct { const char *asked; const char *fallback; bool ok; const char *language; } cases[] = {
        {"de", "EN", true, "DE"},    {"DE", "EN", true, "DE"},      {"zh_tw", "EN", true, "ZH_TW"},
        {"", "EN", true, "EN"},      {"", "jp", true, "JP"},        {"xx", "EN", false, ""},
        {"zh-tw", "EN", false, ""},  {"de ", "EN", false, ""},      {"english", "EN", false, ""},
        {"d\xC3\xA9", "EN", false, ""},
    };
    for (const auto &c : cases) {
        std::string language;
        EXPECT_EQ(PageLanguage(c.asked, c.fallback, &language), c.ok) << c.asked;
        if (c.ok) EXPECT_EQ(language, c.language) << c.asked;
    }
}

TEST(StatusPage, PictureAddressKeepsTheNameInOneSegment) {
    EXPECT_EQ(PicturePath("127.0.0.1:9100", 3), "/printers/127.0.0.1:9100/picture.png?v=3");
    EXPECT_EQ(PicturePath("[::1]:9100", 1), "/printers/%5B::1%5D:9100/picture.png?v=1");
    EXPECT_EQ(PicturePath("a/b?c#d e", 2), "/printers/a%2Fb%3Fc%23d%20e/picture.png?v=2");
}

class PrinterViews : public ::testing::Test {
protected:
    void SetUp() override {
        liveBefore_ = platform_heap::LiveBlocks();
        first_.name = "127.0.0.1:9100";
    }

    // The view after a poll that found the printer in the sample's state.
    std::shared_ptr<const PrinterView> ViewOf(const char *sample, const PrinterView &previous) {
        PrinterDescription printer;
        std::string error;
        EXPECT_TRUE(ReadStateFile(std::string(PAT_SOURCE_DIR) + "/samples/" + sample + ".state", &printer, &error))
            << error;
        PrnInfoEx record = EmptyRecord();
        EXPECT_TRUE(FillRecordFromState(exports_, printer, &record));
        const PollOutcome outcome = printer.noResponse ? PollOutcome::NoPrinter : PollOutcome::Interpreted;
        std::shared_ptr<const PrinterView> view = ViewOfPoll(exports_, settings_, poll_, outcome, &record, previous);
        ReleaseRecord(exports_, &record);
        return view;
    }

    static std::string Short(const PrinterView &view, const char *language) {
        return view.languages.at(language).at("texts").at("short").get<std::string>();
    }

    const PatExports exports_ = LinkedExports();
    const ReportSettings settings_;
    PrinterPoll poll_{exports_, "127.0.0.1:9100", PollSettings()};
    PrinterView first_;
    long liveBefore_ = 0;
};

TEST_F(PrinterViews, AChangeIsWordedInEveryLanguageAndDrawn) {
    std::shared_ptr<const PrinterView> jam = ViewOf("paper_jam", first_);
    EXPECT_EQ(jam->polls, 1);
    EXPECT_EQ(jam->changes, 1);
    EXPECT_EQ(jam->languages.size(), 17u);
    EXPECT_EQ(Short(*jam, "EN"), "Paper Misfeed");
    EXPECT_NE(Short(*jam, "JP"), Short(*jam, "EN"));
    EXPECT_EQ(jam->languages.at("DE").at("options").size(), 5u);
    EXPECT_EQ(jam->png.compare(0, 8, "\x89PNG\r\n\x1A\n"), 0);
    EXPECT_FALSE(jam->poll.at("layers").empty());
    EXPECT_EQ(jam->poll.at("outcome"), "answered");

    // The same state again: only the poll moves on.
    std::shared_ptr<const PrinterView> again = ViewOf("paper_jam", *jam);
    EXPECT_EQ(again->polls, 2);
    EXPECT_EQ(again->changes, 1);
    EXPECT_EQ(again->png, jam->png);
    EXPECT_EQ(again->languages, jam->languages);

    std::shared_ptr<const PrinterView> silent = ViewOf("no_response", *again);
    EXPECT_EQ(silent->changes, 2);
    EXPECT_EQ(Short(*silent, "EN"), "No Response from Machine");
    EXPECT_NE(silent->png, jam->png);
    EXPECT_EQ(silent->poll.at("outcome"), "no-response");
    EXPECT_EQ(platform_heap::LiveBlocks(), liveBefore_);
}

TEST_F(PrinterViews, TheApiSpeaksTheAskedLanguage) {
    std::shared_ptr<const PrinterView> jam = ViewOf("paper_jam", first_);
    const nlohmann::json body = PrintersJson({std::make_shared<PrinterView>(first_), jam}, "DE", 2.5);
    EXPECT_EQ(body.at("language"), "DE");
    EXPECT_EQ(body.at("languages").size(), 17u);
    EXPECT_EQ(body.at("words").at("title"), "Druckerstatus");
    const nlohmann::json &printers = body.at("printers");
    ASSERT_EQ(printers.size(), 2u);
    EXPECT_EQ(printers[1].at("texts"), jam->languages.at("DE").at("texts"));
    EXPECT_EQ(printers[1].at("picture"), "/printers/127.0.0.1:9100/picture.png?v=1");
    EXPECT_EQ(printers[1].at("record").at("engineStatus")[0].at("code"), 42001);
}

// A client reads one shape from the first moment: a printer not polled yet
// has every key of a polled one (and of its texts), with nothing known.
TEST_F(PrinterViews, APrinterNotPolledYetHasThePolledShape) {
    std::shared_ptr<const PrinterView> jam = ViewOf("paper_jam", first_);
    const nlohmann::json printers =
        PrintersJson({std::make_shared<PrinterView>(first_), jam}, "EN", 1).at("printers");
    const nlohmann::json &waiting = printers[0], &polled = printers[1];
    const auto keysOf = [](const nlohmann::json &object) {
        std::vector<std::string> keys;
        for (const auto &item : object.items()) keys.push_back(item.key());
        return keys;
    };
    EXPECT_EQ(keysOf(waiting), keysOf(polled));
    EXPECT_EQ(keysOf(waiting.at("texts")), keysOf(polled.at("texts")));
    EXPECT_EQ(waiting.at("outcome"), "waiting");
    EXPECT_EQ(waiting.at("name"), "127.0.0.1:9100");
    EXPECT_TRUE(waiting.at("record").is_null());
    EXPECT_TRUE(waiting.at("texts").at("short").is_null());
    EXPECT_EQ(waiting.at("trays"), nlohmann::json::array());
}

}  // namespace
