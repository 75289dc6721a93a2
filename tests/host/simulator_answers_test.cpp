// What the simulator sends: the answers to PJL lines, the way it cuts what
// arrives into lines, and the device ID.
#include <gtest/gtest.h>

#include <set>

#include "device_id.h"
#include "pjl_answers.h"
#include "request_lines.h"
#include "sim_server.h"

namespace {

PrinterDescription Printer() {
    PrinterDescription p;
    std::string error;
    const bool ok = ParseStateText(
        "maker = Tessaro\nmodel = MX 1\nstatus = 40012/41200\nstate = 3\nstatus-text = Toner; out\n"
        "counter = 77\nmemory = 1 MB\nfirmware = 2.0\nemulation = MOXI 1.5\n"
        "tray = tray1 A4LONG 3/5 PLAIN\ntray = tray4 A3 END THICK locked\ntray = bypass A4SRT - FILM\n"
        "output-bin = UPPER FULL\noption = disk finisher-1000 document-feeder\npunch = JP2\n"
        "chapter-tray = tray4\n",
        "test", &p, &error);
    EXPECT_TRUE(ok) << error;
    return p;
}

TEST(SimulatorAnswers, InquiriesEchoTheLineAnswerOneWordAndEndWithAFormFeed) {
    const struct { const char *line; const char *answer; } cases[] = {
        {"@PJL INQUIRE INTRAY1SIZE", "A4LONG"},
        {"@PJL INQUIRE INTRAY1QUANT", "3/5"},
        {"@PJL INQUIRE INTRAY4MEDIA", "THICK"},
        {"@PJL INQUIRE INTRAY4", "LOCKED"},
        {"@PJL INQUIRE INTRAY1", "UNLOCKED"},
        {"@PJL INQUIRE INTRAYMSIZE", "A4SRT"},
        {"@PJL INQUIRE INTRAYMULTI", "UNLOCKED"},
        {"@PJL INQUIRE CHAPTERPRINTTRAY1", "TRAY4"},
        {"@PJL INQUIRE FRONTCOVERPRINTTRAY", "NONE"},
        // Not installed, no level sensor, unknown: the printer says it does not know.
        {"@PJL INQUIRE INTRAY2SIZE", "?"},
        {"@PJL INQUIRE INTRAYMQUANT", "?"},
        {"@PJL INQUIRE COLOUR", "?"},
    };
    const PrinterDescription printer = Printer();
    for (const auto &c : cases) {
        EXPECT_EQ(AnswerPjlLine(printer, c.line), std::string(c.line) + "\r\n" + c.answer + "\r\n\f") << c.line;
    }
}

TEST(SimulatorAnswers, ConfigurationListsTraysOptionsMemoryAndVersions) {
    EXPECT_EQ(AnswerPjlLine(Printer(), "@PJL INFO CONFIG"),
              "@PJL INFO CONFIG\r\n"
              "IN TRAYS [3 ENUMERATED]\r\n\tINTRAY1\r\n\tINTRAY4\r\n\tINTRAYMANUAL\r\n"
              "OUT TRAYS [1 ENUMERATED]\r\n\tOUTTRAYFINISH1000\r\n"
              "DISK\r\n"
              "PUNCH [1 ENUMERATED]\r\n\tJP2\r\n"
              "MEMORY=1048576\r\n"
              "VERSION [2 ENUMERATED]\r\n\tFIRMWARE 2.0\r\n\tMOXI 1.5\r\n"
              "\f");
}

TEST(SimulatorAnswers, OutputBinsAndUnansweredCategories) {
    const PrinterDescription printer = Printer();
    EXPECT_EQ(AnswerPjlLine(printer, "@PJL  INFO   OUTBINSTATUS "), "@PJL INFO OUTBINSTATUS\r\nUPPER=FULL\r\n\f");
    EXPECT_EQ(AnswerPjlLine(printer, "@PJL INFO ZEMA"), "@PJL INFO ZEMA\r\n?\r\n\f");
}

TEST(SimulatorAnswers, LinesThatAskNothingGetNoAnswer) {
    const PrinterDescription printer = Printer();
    for (const char *line : {"", "@PJL", "@PJL INFO", "@PJL ECHO HELLO", "@pjl INFO CONFIG", "INFO CONFIG",
                             "\x01\x02garbage"}) {
        EXPECT_EQ(AnswerPjlLine(printer, line), "") << line;
    }
}

TEST(SimulatorAnswers, DeviceIdCarriesStatusAndCounter) {
    EXPECT_EQ(DeviceIdOf(Printer()),
              "MFG:Tessaro;MDL:MX 1;CMD:PJL,MOXI;CLS:PRINTER;STS:40012/41200,3,Toner, out;KTQ:77/;");
}

TEST(RequestLines, CutsLinesAcrossChunksAndDropsExitSequences) {
    RequestLines requests;
    EXPECT_TRUE(requests.Add("\x1B%-12345X@PJL\r\n@PJL IN", 22).size() == 1);
    const std::vector<std::string> lines = requests.Add("FO CONFIG\r\n\x1B%-12345X\x1B%-12345X@PJL X\n", 36);
    EXPECT_EQ(lines, (std::vector<std::string>{"@PJL INFO CONFIG", "@PJL X"}));
}

// The names the usage and the refusals list are the ones a script and
// --fault take, each for a fault of its own.
TEST(Faults, EveryListedNameIsTaken) {
    std::string names = FaultNames();
    const size_t lastComma = names.rfind(" or ");
    ASSERT_NE(lastComma, std::string::npos);
    names.replace(lastComma, 4, ", ");
    std::set<Fault> seen;
    for (size_t start = 0; start < names.size();) {
        const size_t comma = names.find(", ", start);
        const std::string name = names.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        Fault fault = Fault::None;
        EXPECT_TRUE(ParseFault(name, &fault)) << name;
        EXPECT_TRUE(seen.insert(fault).second) << name;
        start = comma == std::string::npos ? names.size() : comma + 2;
    }
    EXPECT_EQ(seen.size(), 7u);
    Fault fault = Fault::None;
    EXPECT_FALSE(ParseFault("loud", &fault));
}

TEST(RequestLines, AnOverlongLineIsDroppedWholeAndTheNextOneRead) {
    RequestLines requests;
    const std::string endless(RequestLines::kMaxLineLength + 10, 'A');
    EXPECT_TRUE(requests.Add(endless.data(), endless.size()).empty());
    const std::vector<std::string> lines = requests.Add("AAAA\n@PJL INFO CONFIG\n", 22);
    EXPECT_EQ(lines, (std::vector<std::string>{"@PJL INFO CONFIG"}));
}

}  // namespace
