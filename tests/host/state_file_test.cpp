// State files: what a state describes, and the mistakes a user can make in one.
#include <gtest/gtest.h>

#include "printer_description.h"

namespace {

const char kFullState[] =
    "# a comment\n"
    "maker = Tessaro\n"
    "model=Tessaro MX-4120\n"
    "status = 40012/41200, 41300\n"
    "state = 3\n"
    "status-text = Add Toner; now\n"
    "memory = 512 MB\n"
    "counter = 48213\n"
    "emulation = MOXI 1.62\n"
    "emulation = POSTSCRIPT 3.011\n"
    "tray = tray1 A4LONG 4/5 PLAIN\n"
    "tray = bypass A4SRT - THICK locked\n"
    "output-bin = UPPER FULL\n"
    "option = duplex booklet-finisher\n"
    "option = duplex\n"
    "punch = US2 US3\n"
    "front-cover-tray = bypass\n"
    "no-response = yes\n";

TEST(StateFile, ReadsEveryKindOfEntry) {
    PrinterDescription p;
    std::string error;
    ASSERT_TRUE(ParseStateText(kFullState, "full", &p, &error)) << error;
    EXPECT_EQ(p.maker, "Tessaro");
    EXPECT_EQ(p.model, "Tessaro MX-4120");
    EXPECT_EQ(p.statusCodes, (std::vector<uint32_t>{40012, 41200, 41300}));
    EXPECT_EQ(p.stateNumber, 3);
    EXPECT_EQ(p.statusText, "Add Toner; now");
    EXPECT_EQ(p.memoryBytes, 512u * 1024 * 1024);
    EXPECT_EQ(p.counter, 48213u);
    ASSERT_EQ(p.emulations.size(), 2u);
    EXPECT_EQ(p.emulations[1].name, "POSTSCRIPT");
    EXPECT_EQ(p.emulations[1].version, "3.011");
    ASSERT_EQ(p.trays.size(), 2u);
    EXPECT_FALSE(p.trays[0].locked);
    EXPECT_EQ(p.trays[1].level, "-");
    EXPECT_TRUE(p.trays[1].locked);
    ASSERT_EQ(p.outputBins.size(), 1u);
    EXPECT_EQ(p.outputBins[0].state, "FULL");
    EXPECT_EQ(p.options, (std::vector<std::string>{"duplex", "booklet-finisher"}));
    EXPECT_EQ(p.punchHoles, (std::vector<std::string>{"US2", "US3"}));
    EXPECT_EQ(p.frontCoverTray, "BYPASS");
    EXPECT_EQ(p.slipSheetTray, "NONE");
    EXPECT_TRUE(p.noResponse);
}

TEST(StateFile, MemoryUnits) {
    const struct { const char *text; uint64_t bytes; } cases[] = {
        {"memory = 1048576", 1048576}, {"memory = 4 KB", 4096}, {"memory = 2 GB", 2147483648u}};
    for (const auto &c : cases) {
        PrinterDescription p;
        std::string error;
        ASSERT_TRUE(ParseStateText(c.text, "m", &p, &error)) << c.text << ": " << error;
        EXPECT_EQ(p.memoryBytes, c.bytes) << c.text;
    }
}

TEST(StateFile, MistakesNameTheLineAndWhat) {
    const struct { const char *text; const char *message; } cases[] = {
        {"maker = A\ncolour = red\n", "s:2: unknown key \"colour\""},
        {"maker = A\nmaker = B\n", "s:2: \"maker\" given twice"},
        {"just words\n", "s:1: expected \"key = value\""},
        {"tray = tray9 A4LONG FULL PLAIN\n", "s:1: unknown tray \"tray9\" (tray1..tray4, lct, bypass)"},
        {"tray = tray1 A4LONG FULL\n", "s:1: expected \"tray = NAME SIZE LEVEL MEDIA [locked]\""},
        {"tray = tray1 A4LONG FULL PLAIN open\n", "s:1: expected \"tray = NAME SIZE LEVEL MEDIA [locked]\""},
        {"tray = tray1 A4LONG - PLAIN\n", "s:1: a level is needed (END, 1/5 .. 4/5, FULL)"},
        {"tray = bypass A4LONG FULL PLAIN\n", "s:1: the bypass tray has no level: write \"-\""},
        {"tray = tray1 A4 END PLAIN\ntray = tray1 A3 END PLAIN\n", "s:2: tray \"tray1\" described twice"},
        {"status = 10001 ten\n", "s:1: \"ten\" is not a number from 0 to 4294967295"},
        {"status = 4294967296\n", "s:1: \"4294967296\" is not a number from 0 to 4294967295"},
        {"state = 256\n", "s:1: \"256\" is not a number from 0 to 255"},
        {"memory = 12 TB\n", "s:1: unknown memory unit \"TB\" (B, KB, MB or GB)"},
        {"option = duplex stapler\n", "s:1: unknown option \"stapler\""},
        {"no-response = maybe\n", "s:1: expected yes or no, not \"maybe\""},
        {"chapter-tray = tray7\n", "s:1: expected a tray name or none, not \"tray7\""},
    };
    for (const auto &c : cases) {
        PrinterDescription p;
        std::string error;
        EXPECT_FALSE(ParseStateText(c.text, "s", &p, &error)) << c.text;
        EXPECT_EQ(error, c.message) << c.text;
    }
}

TEST(StateFile, MissingFileIsReported) {
    PrinterDescription p;
    std::string error;
    EXPECT_FALSE(ReadStateFile("/nonexistent/printer.state", &p, &error));
    EXPECT_EQ(error, "/nonexistent/printer.state: cannot be read");
}

TEST(StateFile, EverySampleReads) {
    for (const char *name : {"idle_full", "paper_jam", "toner_out", "service_call", "no_response"}) {
        PrinterDescription p;
        std::string error;
        EXPECT_TRUE(ReadStateFile(std::string(PAT_SOURCE_DIR) + "/samples/" + name + ".state", &p, &error)) << error;
    }
}

}  // namespace
