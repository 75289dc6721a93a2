// The host's own words: found per language, the unknown shown as what it is,
// and no code reaching into the words of another kind.
#include <gtest/gtest.h>

#include "library/text_encoding.h"
#include "report/host_words.h"

namespace {

TEST(HostWords, EveryLibraryLanguageHasItsOwn) {
    const std::string english = HostWords("EN").Label(HostLabel::kLibrary);
    for (const std::string &language : AllLibraryLanguages()) {
        if (language == "EN") continue;
        EXPECT_NE(HostWords(language).Label(HostLabel::kLibrary), english) << language;
    }
}

TEST(HostWords, KnownCodesAndLanguageNamesInAnyCase) {
    const HostWords german("de");
    EXPECT_EQ(german.PaperSize(8), "A4 Längsseite");
    EXPECT_EQ(german.Media(1), "Normalpapier");
    EXPECT_EQ(german.OutputBinState(2), "voll");
    EXPECT_EQ(german.OptionName(1), "Duplexeinheit");
    EXPECT_EQ(HostWords("ZH_CN").Media(1), "普通纸");
}

TEST(HostWords, WhatHasNoWordIsNamedByItsKind) {
    const HostWords german("DE");
    EXPECT_EQ(german.PaperSize(0), "unbekannt");
    EXPECT_EQ(german.PaperSize(99), "Papierformat 99");
    EXPECT_EQ(german.Media(999), "Papiersorte 999");
    EXPECT_EQ(german.OutputBinState(7), "Zustand 7");
    EXPECT_EQ(german.OptionName(2), "Option 2");
    // 1001 past the paper sizes would be media code 1: each kind stays in its own words.
    EXPECT_EQ(german.PaperSize(1001), "Papierformat 1001");
}

TEST(HostWords, AnUnknownLanguageSpeaksEnglish) {
    EXPECT_EQ(HostWords("XX").Media(1), "Plain");
    EXPECT_EQ(HostWords("XX").Label(HostLabel::kStatus), "Status");
}

}  // namespace
