// What the paper bank (option 102) and the large-capacity tray (option 104)
// show for each status code.
#include "layer_rules.h"

namespace {

constexpr PatBitmapLayer kFullSetCaution = Layer("BM_CAUTION", 0, 0, 246);
constexpr PatBitmapLayer kReducedSetCaution = Layer("BM_CAUTION", 0, 0, 248);
constexpr PatBitmapLayer kReducedSetService = Layer("BM_SERVICE", 0, 0, 248);
constexpr PatBitmapLayer kPoint17 = Layer("BM_POINT_17", 199, 137, 104);

constexpr PatBitmapLayer kBank = Layer("BM_BANK", 0, 0, 20);
constexpr PatBitmapLayer kBankUpperTray = Layer("BM_POINT_2", 117, 132, 120);
constexpr PatBitmapLayer kBankLowerTray = Layer("BM_POINT_2", 117, 147, 122);

constexpr PatBitmapLayer kLct = Layer("BM_LCT", 0, 0, 20);
constexpr PatBitmapLayer kLctTray = Layer("BM_POINT_3", 117, 129, 120);

}  // namespace

extern const LayerRule kPaperBankRules[] = {
    {kDefaultRuleKey, {kBank}},

    {"464yy", {kBank, kBankUpperTray}},
    {"474yy", {kBank, kBankUpperTray}},
    {"484yy", {kBank, kBankUpperTray}},
    {"414yy", {kBank, kBankUpperTray}},
    {"41400", {kBank, kBankUpperTray}},

    {"465yy", {kBank, kBankLowerTray}},
    {"475yy", {kBank, kBankLowerTray}},
    {"485yy", {kBank, kBankLowerTray}},
    {"415yy", {kBank, kBankLowerTray}},
    {"41500", {kBank, kBankLowerTray}},

    {"40724", {kBank, kFullSetCaution, kReducedSetService}},
    {"40725", {kBank, kFullSetCaution, kReducedSetService}},

    {"40210", {kBank, kPoint17}},
    {"42000", {kBank, kPoint17}},
    {"42008", {kBank, kPoint17}},

    {"30724", {kBank, kReducedSetCaution}},
    {"30725", {kBank, kReducedSetCaution}},

    {nullptr, {}},
};

extern const LayerRule kLargeCapacityTrayRules[] = {
    {kDefaultRuleKey, {kLct}},

    {"460yy", {kLct, kLctTray}},
    {"470yy", {kLct, kLctTray}},
    {"480yy", {kLct, kLctTray}},
    {"410yy", {kLct, kLctTray}},
    {"41000", {kLct, kLctTray}},

    {"40721", {kLct, kFullSetCaution, kReducedSetService}},

    {"40210", {kLct, kPoint17}},
    {"42000", {kLct, kPoint17}},
    {"42008", {kLct, kPoint17}},

    {"30721", {kLct, kReducedSetCaution}},

    {nullptr, {}},
};
