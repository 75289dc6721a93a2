// The reply handlers' edge cases, each reached through a reply without an
// attached query (interpreted without the completeness check).
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "pat.h"
#include "support/record_dump.h"
#include "support/record_fixture.h"
#include "support/reply_tree.h"

namespace {

class ReplyHandlers : public testing::Test {
protected:
    PrnInfoEx record = MakeRecord();

    void TearDown() override {
        ExpectCountsMatchChains(record);
        ReleaseRecord(&record);
    }

    void Interpret(const std::string &reply) {
        PatInfoNode *tree = MakeReplyTree(nullptr, reply.c_str(), nullptr);
        EXPECT_EQ(PatSetCentroDataTo(tree, 0, &record, 2), 1);
        EXPECT_EQ(GetLastError(), 0u);
        FreeTestTree(tree);
    }

    // The one line of the record dump that starts with `prefix`.
    std::string Line(const char *prefix) {
        const std::string dump = DumpRecord(record);
        const size_t start = dump.find(std::string(prefix));
        if (start == std::string::npos) return "(no " + std::string(prefix) + ")";
        return dump.substr(start, dump.find('\n', start) - start);
    }
};

std::string Inquire(const char *argument, const char *answer) {
    return std::string("@PJL INQUIRE ") + argument + "\r\n" + answer + "\r\n\f";
}

TEST_F(ReplyHandlers, TrayLockAddsTheTrayAndOwnsOnlyBitOne) {
    Interpret(Inquire("INTRAY3", "LOCKED"));
    EXPECT_EQ(Line("trays"), "trays[1]: 5 size=0 level=0 media=0 flags=0x1");
    record.pTrayInfo->dwFlags |= 0x24;
    Interpret(Inquire("INTRAY3", "UNLOCKED"));
    EXPECT_EQ(Line("trays"), "trays[1]: 5 size=0 level=0 media=0 flags=0x24");
}

TEST_F(ReplyHandlers, TrayCodesFromTheNameTables) {
    Interpret(Inquire("INTRAY1QUANT", "3/5") + Inquire("INTRAY2QUANT", "HALF") + Inquire("INTRAYMSIZE", "JPOSTDLONG") +
              Inquire("INTRAYLCTMEDIA", "MIDDLETHICK") + Inquire("INTRAY4SIZE", "a4long"));
    EXPECT_EQ(Line("trays"),
              "trays[5]: 3 size=0 level=60 media=0 flags=0x0 4 size=0 level=0 media=0 flags=0x0"
              " 1 size=71 level=0 media=0 flags=0x0 11 size=0 level=0 media=42 flags=0x0"
              " 6 size=0 level=0 media=0 flags=0x0");
}

TEST_F(ReplyHandlers, PrintTrayBitsAccumulate) {
    Interpret(Inquire("FRONTCOVERPRINTTRAY", "BYPASS") + Inquire("CHAPTERPRINTTRAY1", "NONE"));
    EXPECT_EQ(Line("trays"), "trays[1]: 1 size=0 level=0 media=0 flags=0x4");
    Interpret(Inquire("SLIPSHEETPRINTTRAY", "BYPASS") + Inquire("CHAPTERPRINTTRAY1", "LCT") +
              Inquire("FRONTCOVERPRINTTRAY", "TRAY1"));
    EXPECT_EQ(Line("trays"),
              "trays[3]: 1 size=0 level=0 media=0 flags=0xc 11 size=0 level=0 media=0 flags=0x20"
              " 3 size=0 level=0 media=0 flags=0x4");
}

TEST_F(ReplyHandlers, AnInquireAnswerThatBreaksTheGrammarIsNotTaken) {
    // No body: the handler meets the form feed, the dispatcher resynchronises.
    Interpret("@PJL INQUIRE INTRAY1SIZE\r\n\f" + Inquire("INTRAY2SIZE", "A3"));
    EXPECT_EQ(Line("trays"), "trays[2]: 3 size=0 level=0 media=0 flags=0x0 4 size=5 level=0 media=0 flags=0x0");
}

TEST_F(ReplyHandlers, OutputBinsAreRebuilt) {
    AddTestItem(&record.pOutBinInfo, &record.nOutBinInfo, 2)->wState = 1;
    Interpret(
        "@PJL INFO OUTBINSTATUS\r\nUPPER=FULL\r\nFINISHERSHIFT=READY\r\nINNER=PAPEREXIST\r\n"
        "FINISHERBOOKLET=JAMMED\r\nFINISHERPROOF\r\nUNKNOWNBIN=FULL\r\n\f");
    EXPECT_EQ(Line("bins"), "bins[5]: 1 state=2 4 state=0 2 state=1 27 state=0 5 state=0");
    EXPECT_EQ(record.dwOutBinWord, 255u);
}

struct ConfigCase {
    const char *name;
    const char *body;  // lines of the configuration answer
    const char *options;
};

TEST_F(ReplyHandlers, OptionsOfTheConfiguration) {
    const ConfigCase cases[] = {
        {"tray items add tray then option",
         "IN TRAYS [2 ENUMERATED]\r\n\tINTRAY4\r\n\tINTRAYMANUAL\r\n", "options[2]: 102 16"},
        {"output trays, duplex and disk",
         "OUT TRAYS [2 ENUMERATED]\r\n\tOUTTRAYMULTIFUNCTION\r\n\tOUTTRAYBOOKLETA\r\nDUPLEX\r\nDISK\r\n",
         "options[4]: 7 115 1 3"},
        {"punch in any order", "PUNCH [2 ENUMERATED]\r\n\tUS3\r\n\tUS2\r\n", "options[1]: 132"},
        {"punch alone", "PUNCH [1 ENUMERATED]\r\n\tJP2\r\n", "options[1]: 12"},
        {"punch pair", "PUNCH [2 ENUMERATED]\r\n\tEU4\r\n\tJP2\r\n", "options[1]: 133"},
        {"punch with no row", "PUNCH [3 ENUMERATED]\r\n\tJP2\r\n\tEU4\r\n\tUS2\r\n", "options[0]:"},
        {"punch count of 6 refused, the lines after it read",
         "PUNCH [6 ENUMERATED]\r\n\tJP2\r\n\tUS2\r\n\tUS3\r\n\tEU4\r\n\tNEU4\r\n\tXX\r\nDUPLEX\r\n",
         "options[1]: 1"},
        // Reads on to the end of the reply; the names found decide.
        {"punch count larger than the items", "PUNCH [2 ENUMERATED]\r\n\tNEU4\r\n", "options[1]: 134"},
    };
    for (const ConfigCase &c : cases) {
        SCOPED_TRACE(c.name);
        AddTestItem(&record.pDeviceInfo, &record.nDeviceInfo, 999);  // cleared by the configuration
        Interpret(std::string("@PJL INFO CONFIG\r\n") + c.body + "\f");
        EXPECT_EQ(Line("options"), c.options);
    }
}

TEST_F(ReplyHandlers, Versions) {
    const std::string twenty = "12345678901234567890";
    AddTestItem(&record.pLoadedEmul, &record.nLoadedEmul, 18);
    Interpret("@PJL INFO CONFIG\r\nVERSION [5 ENUMERATED]\r\n\tFIRMWARE 1.0\r\n\tZEMA " + twenty +
              "\r\n\tMOXI 2.0\r\n\tUNKNOWN\r\n\tPOSTSCRIPT=" + twenty + "\r\n\f");
    EXPECT_EQ(Line("texts"), "texts: maker=(null) model=(null) description=(null) sys=1.0 main=2.0 kms=" + twenty);
    // Items without a value still count; an unknown name gives code 0.
    EXPECT_EQ(Line("emulations"), "emulations[3]: 15 \"123456789012345\" 1 \"2.0\" 2 \"123456789012345\"");

    // Fewer items than announced: the reading goes on to the end of the reply.
    Interpret("@PJL INFO CONFIG\r\nVERSION [3 ENUMERATED]\r\n\tPCL 5\r\n\f@PJL INFO X\r\nK\r\n\tV16 1\r\n\f");
    EXPECT_EQ(Line("emulations"), "emulations[2]: 18 \"5\" 4 \"1\"");
    // An unknown emulation name becomes an item with code 0.
    Interpret("@PJL INFO CONFIG\r\nVERSION [1 ENUMERATED]\r\n\tNEWEMUL 9\r\n\f");
    EXPECT_EQ(Line("emulations"), "emulations[1]: 0 \"9\"");
}

TEST_F(ReplyHandlers, MemoryInKilobytes) {
    const struct {
        const char *bytes;
        uint32_t kb;
    } cases[] = {{"1048576", 1024}, {"1023", 0}, {"8388608", 8192}, {"-2048", 0xFFFFFFFEu}, {"12MB", 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes);
        record.dwMemoryKB = 77;
        Interpret(std::string("@PJL INFO CONFIG\r\nMEMORY=") + c.bytes + "\r\n\f");
        EXPECT_EQ(record.dwMemoryKB, c.kb);
    }
}

TEST_F(ReplyHandlers, TrayCountNeedsItsBracket) {
    AddTestItem(&record.pTrayInfo, &record.nTrayInfo, 3);
    Interpret("@PJL INFO CONFIG\r\nIN TRAYS=2\r\n\f");  // not a bracket: the list stays
    EXPECT_EQ(record.nTrayInfo, 1u);
}

TEST_F(ReplyHandlers, EmulationSpecificItemIsCreatedThenReused) {
    Interpret("@PJL INFO ZEMA\r\nMEMORYUSAGE=PAGE\r\nIMAGEROTATION=POSSIBLE\r\nOTHER=\"A text\"\r\n\f");
    EXPECT_EQ(Line("emulUniq"), "emulUniq[1]: 15 memory=1 other=\"A text\" rotation=1");
    Interpret("@PJL INFO ZEMA\r\nOTHER=" + std::string(40, 'x') + "\r\nCOLOR=YES\r\nMEMORYUSAGE=USER\r\n\f");
    EXPECT_EQ(Line("emulUniq"), "emulUniq[1]: 15 memory=2 other=\"" + std::string(32, 'x') + "\" rotation=1");
    Interpret("@PJL INFO ZEMA\r\nIMAGEROTATION=SOMETIMES\r\n\f");
    EXPECT_EQ(Line("emulUniq"), "emulUniq[1]: 15 memory=2 other=\"" + std::string(32, 'x') + "\" rotation=0");
}

TEST_F(ReplyHandlers, EmulationSpecificItemFoundAmongOthers) {
    AddTestItem(&record.pEmulUniqInfo, &record.nEmulUniqInfo, 4);
    AddTestItem(&record.pEmulUniqInfo, &record.nEmulUniqInfo, 15)->dwRotation = 2;
    Interpret("@PJL INFO ZEMA\r\nMEMORYUSAGE=USER\r\n\f");
    EXPECT_EQ(Line("emulUniq"),
              "emulUniq[2]: 4 memory=0 other=\"\" rotation=0 15 memory=2 other=\"\" rotation=2");
}

}  // namespace
