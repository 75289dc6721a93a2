#include "tray_query_table.h"

#include <stddef.h>

#include <array>
#include <iterator>

#include "common/family_vocabulary.h"

namespace {

constexpr char kInquire[] = "@PJL INQUIRE ";
constexpr char kLineEnd[] = "\r\n";

// Room for a tray's four questions with the longest variable names.
constexpr size_t kQuestionsSize = 4 * (sizeof kInquire + 16 + sizeof kLineEnd) + 1;

struct Questions {
    char text[kQuestionsSize];
    size_t length;
};

// Appends `piece` without its NUL.  Every text here is a constant, so one
// written past its end stops the compiler.
constexpr void Append(Questions &questions, const char *piece) {
    while (*piece != '\0') questions.text[questions.length++] = *piece++;
}

constexpr void AppendQuestion(Questions &questions, const char *variable) {
    Append(questions, kInquire);
    Append(questions, variable);
    Append(questions, kLineEnd);
}

// Size, level (for a tray that has a sensor), media, then the lock state.
constexpr Questions TrayQuestions(const FamilyTray &tray) {
    Questions questions{};
    AppendQuestion(questions, tray.sizeVariable);
    if (tray.levelVariable != nullptr) AppendQuestion(questions, tray.levelVariable);
    AppendQuestion(questions, tray.mediaVariable);
    AppendQuestion(questions, tray.lockVariable);
    return questions;
}

constexpr std::array<Questions, std::size(kFamilyTrays)> AllTrayQuestions() {
    std::array<Questions, std::size(kFamilyTrays)> all{};
    for (size_t i = 0; i < all.size(); ++i) all[i] = TrayQuestions(kFamilyTrays[i]);
    return all;
}

constexpr Questions PrintTrayQuestions() {
    Questions questions{};
    for (const PrintTrayQuestion &question : kPrintTrayQuestions) AppendQuestion(questions, question.variable);
    return questions;
}

constexpr auto kTrayQuestions = AllTrayQuestions();
constexpr Questions kPrintTrayQuestionText = PrintTrayQuestions();

// The last byte stays the NUL that ends the text.
constexpr bool EveryTextEnds() {
    for (const Questions &questions : kTrayQuestions) {
        if (questions.length >= kQuestionsSize) return false;
    }
    return kPrintTrayQuestionText.length < kQuestionsSize;
}
static_assert(EveryTextEnds(), "a tray's questions outgrow their text");

constexpr std::array<TrayQueryRow, std::size(kFamilyTrays) + 1> TrayQueryRows() {
    std::array<TrayQueryRow, std::size(kFamilyTrays) + 1> rows{};
    for (size_t i = 0; i < std::size(kFamilyTrays); ++i) {
        rows[i] = {kFamilyTrays[i].trayId, kFamilyTrays[i].standard ? 0u : 1u, kTrayQuestions[i].text};
    }
    rows[std::size(kFamilyTrays)] = {kTrayQueryTableEnd, 0, nullptr};
    return rows;
}

constexpr auto kTrayQueryRows = TrayQueryRows();

}  // namespace

const TrayQueryRow *const kTrayQueryTable = kTrayQueryRows.data();
const char *const kPrintTrayQueryText = kPrintTrayQuestionText.text;
