// What the document feeder (option 144), the bridge unit (option 131) and the
// one-bin tray (option 7) show for each status code.
#include "layer_rules.h"

namespace {

constexpr PatBitmapLayer kAdf = Layer("BM_ADF", 0, 0, 30);
constexpr PatBitmapLayer kPoint5 = Layer("BM_POINT_5", 116, 3, 106);

constexpr PatBitmapLayer kBridge = Layer("BM_BRIDGE", 0, 0, 40);
constexpr PatBitmapLayer kPoint18 = Layer("BM_POINT_18", 156, 44, 110);
constexpr PatBitmapLayer kPoint19 = Layer("BM_POINT_19", 117, 35, 112);

constexpr PatBitmapLayer kOneBin = Layer("BM_1BIN", 0, 0, 60);

}  // namespace

extern const LayerRule kDocumentFeederRules[] = {
    {kDefaultRuleKey, {kAdf}},
    {"240101", {kAdf, kPoint5}},
    {"242001", {kAdf, kPoint5}},
    {nullptr, {}},
};

extern const LayerRule kBridgeUnitRules[] = {
    {kDefaultRuleKey, {kBridge}},
    {"42001", {kBridge, kPoint18, kPoint19}},
    {"40231", {kBridge, kPoint18}},
    {"40233", {kBridge, kPoint19}},
    {nullptr, {}},
};

extern const LayerRule kOneBinTrayRules[] = {
    {kDefaultRuleKey, {kOneBin}},
    {nullptr, {}},
};
