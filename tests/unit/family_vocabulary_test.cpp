// The tables derived from the family's vocabulary: the model's dispatch rows
// keep the length and order the handlers rely on, the reply's name tables
// know every word with its code, and the vocabulary's display-name marks
// agree with the names the library has.  The expected values are written out
// here, independently of the vocabulary.
#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "common/family_vocabulary.h"
#include "pat.h"
#include "pjl/reply_dispatch_tables.h"
#include "pjl/reply_name_tables.h"

namespace {

struct ExpectedRow {
    const char *command, *argument, *key, *item;
    ReplyHandler handler;
    uint32_t parameter;
};

// The model table as it was written by hand before it was derived.
const ExpectedRow kExpectedModelRows[] = {
    {"INQUIRE", "INTRAY1", "", "", HandleTrayLock, 3},
    {"INQUIRE", "INTRAY2", "", "", HandleTrayLock, 4},
    {"INQUIRE", "INTRAY3", "", "", HandleTrayLock, 5},
    {"INQUIRE", "INTRAY4", "", "", HandleTrayLock, 6},
    {"INQUIRE", "INTRAYLCT", "", "", HandleTrayLock, 11},
    {"INQUIRE", "INTRAYMULTI", "", "", HandleTrayLock, 1},
    {"INQUIRE", "INTRAY1SIZE", "", "", HandleTrayPaperSize, 3},
    {"INQUIRE", "INTRAY2SIZE", "", "", HandleTrayPaperSize, 4},
    {"INQUIRE", "INTRAY3SIZE", "", "", HandleTrayPaperSize, 5},
    {"INQUIRE", "INTRAY4SIZE", "", "", HandleTrayPaperSize, 6},
    {"INQUIRE", "INTRAYLCTSIZE", "", "", HandleTrayPaperSize, 11},
    {"INQUIRE", "INTRAYMSIZE", "", "", HandleTrayPaperSize, 1},
    {"INQUIRE", "INTRAY1QUANT", "", "", HandleTrayPaperLevel, 3},
    {"INQUIRE", "INTRAY2QUANT", "", "", HandleTrayPaperLevel, 4},
    {"INQUIRE", "INTRAY3QUANT", "", "", HandleTrayPaperLevel, 5},
    {"INQUIRE", "INTRAY4QUANT", "", "", HandleTrayPaperLevel, 6},
    {"INQUIRE", "INTRAYLCTQUANT", "", "", HandleTrayPaperLevel, 11},
    {"INQUIRE", "INTRAY1MEDIA", "", "", HandleTrayMedia, 3},
    {"INQUIRE", "INTRAY2MEDIA", "", "", HandleTrayMedia, 4},
    {"INQUIRE", "INTRAY3MEDIA", "", "", HandleTrayMedia, 5},
    {"INQUIRE", "INTRAY4MEDIA", "", "", HandleTrayMedia, 6},
    {"INQUIRE", "INTRAYLCTMEDIA", "", "", HandleTrayMedia, 11},
    {"INQUIRE", "INTRAYMMEDIA", "", "", HandleTrayMedia, 1},
    {"INFO", "CONFIG", "IN TRAYS", "INTRAY1", HandleTrayPresent, 3},
    {"INFO", "CONFIG", "IN TRAYS", "INTRAY2", HandleTrayPresent, 4},
    {"INFO", "CONFIG", "IN TRAYS", "INTRAY3", HandleTrayPresent, 5},
    {"INFO", "CONFIG", "IN TRAYS", "INTRAY4", HandleTrayPresent, 6},
    {"INFO", "CONFIG", "IN TRAYS", "INTRAYLCT", HandleTrayPresent, 11},
    {"INFO", "CONFIG", "IN TRAYS", "INTRAYMANUAL", HandleTrayPresent, 1},
    {"INQUIRE", "FRONTCOVERPRINTTRAY", "", "", HandlePrintTray, PAT_TRAY_FLAG_FRONT_COVER},
    {"INQUIRE", "SLIPSHEETPRINTTRAY", "", "", HandlePrintTray, PAT_TRAY_FLAG_SLIP_SHEET},
    {"INQUIRE", "CHAPTERPRINTTRAY1", "", "", HandlePrintTray, PAT_TRAY_FLAG_CHAPTER},
    {"INFO", "OUTBINSTATUS", "UPPER", "", HandleOutputBin, 1},
    {"INFO", "OUTBINSTATUS", "INNER", "", HandleOutputBin, 2},
    {"INFO", "OUTBINSTATUS", "FINISHERPROOF", "", HandleOutputBin, 5},
    {"INFO", "OUTBINSTATUS", "FINISHERSHIFT", "", HandleOutputBin, 4},
    {"INFO", "OUTBINSTATUS", "FINISHERBOOKLET", "", HandleOutputBin, 27},
    {"INFO", "CONFIG", "IN TRAYS", "INTRAY4", HandleOption, 102},
    {"INFO", "CONFIG", "IN TRAYS", "INTRAYLCT", HandleOption, 104},
    {"INFO", "CONFIG", "IN TRAYS", "INTRAYMANUAL", HandleOption, 16},
    {"INFO", "CONFIG", "OUT TRAYS", "OUTTRAYMULTIFUNCTION", HandleOption, 7},
    {"INFO", "CONFIG", "OUT TRAYS", "OUTTRAYFINISH1000", HandleOption, 37},
    {"INFO", "CONFIG", "OUT TRAYS", "OUTTRAYFINISH3000", HandleOption, 114},
    {"INFO", "CONFIG", "OUT TRAYS", "OUTTRAYBOOKLETA", HandleOption, 115},
    {"INFO", "CONFIG", "DUPLEX", "", HandleOption, 1},
    {"INFO", "CONFIG", "DISK", "", HandleOption, 3},
};

TEST(FamilyVocabulary, ModelDispatchRowsKeepTheirLengthAndOrder) {
    size_t n = 0;
    for (const DispatchRow *row = kModelDispatchTable; row->command != nullptr; ++row, ++n) {
        ASSERT_LT(n, std::size(kExpectedModelRows)) << "extra row " << row->argument << "/" << row->key;
        const ExpectedRow &expected = kExpectedModelRows[n];
        SCOPED_TRACE("row " + std::to_string(n));
        EXPECT_STREQ(row->command, expected.command);
        EXPECT_STREQ(row->argument, expected.argument);
        EXPECT_STREQ(row->key, expected.key);
        EXPECT_STREQ(row->item, expected.item);
        EXPECT_STREQ(row->value, "");
        EXPECT_EQ(row->handler, expected.handler);
        EXPECT_EQ(row->parameter, expected.parameter);
    }
    EXPECT_EQ(n, std::size(kExpectedModelRows));
}

TEST(FamilyVocabulary, ReplyWordsFindTheirCodes) {
    const struct {
        const NameTableRow *table;
        const char *word;
        uint32_t code;
    } cases[] = {
        {kPrintTrayNames, "TRAY1", 3},          {kPrintTrayNames, "LCT", 11},
        {kPrintTrayNames, "BYPASS", 1},         {kPrintTrayNames, "NONE", 0},
        {kPrintTrayNames, "TRAY5", 0},          {kEmulationNames, "FIRMWARE", 0xFFFFFFFFu},
        {kEmulationNames, "MOXI", 1},           {kEmulationNames, "POSTSCRIPT", 2},
        {kEmulationNames, "GL2", 12},           {kEmulationNames, "HPGL2", 12},
        {kEmulationNames, "PCLXL", 17},         {kEmulationNames, "PCL", 18},
        {kEmulationNames, "PCL5", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(LookupName(c.word, c.table), c.code);
    }
}

// The host asks the library for an option's name only where the vocabulary
// says it has one, so the two must agree.
TEST(FamilyVocabulary, OptionDisplayNamesAreThoseTheLibraryHas) {
    ASSERT_EQ(PatSetLocale("EN"), 1);
    for (const FamilyOption &option : kFamilyOptions) {
        SCOPED_TRACE(option.optionId);
        char name[256];
        uint32_t length = sizeof name;
        const PatBool named = PatGetDeviceName(PAT_DEVICE_NAME_OPTION, &option.hostCode, PAT_CHECK_OPTION, name, &length);
        EXPECT_EQ(named != 0, option.hasDisplayName);
    }
}

}  // namespace
