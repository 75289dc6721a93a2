// The constant tables that describe every status picture: for the printer
// body and for each option, which layers a status code adds.
#pragma once

#include <stdint.h>

#include "pat.h"
#include "status/status_code.h"

// A rule's layers are its slots up to the first one with an empty name.  In
// the tables dwRop is 0; it is decided when the picture is put in order.
constexpr int kRuleSlots = 12;

// An empty slot's layer.
inline constexpr PatBitmapLayer kNoLayer{};

// A slot of a rule: one of the tables' layer constants, by reference.  The
// tables name a few dozen layers in a few hundred rules of twelve slots; a
// copy in every slot would make them ten times their size.
struct RuleLayer {
    const PatBitmapLayer *layer = &kNoLayer;
    constexpr RuleLayer() = default;
    constexpr RuleLayer(const PatBitmapLayer &named) : layer(&named) {}
    constexpr const PatBitmapLayer &operator*() const { return *layer; }
    constexpr const PatBitmapLayer *operator->() const { return layer; }
};

// Key of the rule that applies when no other rule of its list does.
constexpr const char kDefaultRuleKey[] = "STATUS_DEFAULT_BMP";

struct LayerRule {
    const char *key;  // decimal status code, code pattern, or kDefaultRuleKey
    RuleLayer layers[kRuleSlots];
    // Worked out by the compiler from the key, so that a lookup compares
    // numbers and flags rather than the key's text.
    uint64_t exactCode = ExactCodeOf(key);  // kNotACode unless the key is a code's decimal form
    bool isDefault = key != nullptr && SameCodeText(key, kDefaultRuleKey);
};

// Key of the printer body's list in the rule list index; every other key is
// an option id (wId of a pDeviceInfo item).
constexpr uint16_t kBodyRuleListKey = 0xFFFE;
constexpr uint16_t kRuleListIndexEnd = 0xFFFF;

struct RuleListIndexRow {
    uint16_t key;
    const LayerRule *rules;  // ended by a rule with a null key
};

// Layer numbers of the two sign classes of which a picture shows only one,
// chosen by the reduced-set bit.
constexpr uint8_t kFullSetSignLayer = 246;
constexpr uint8_t kReducedSetSignLayer = 248;

// For the tables: a layer as a rule lists it.
constexpr PatBitmapLayer Layer(const char *name, int32_t x, int32_t y, uint8_t number) {
    PatBitmapLayer layer{};
    for (int i = 0; i < 31 && name[i] != '\0'; ++i) layer.szBitmapName[i] = name[i];
    layer.nX = x;
    layer.nY = y;
    layer.bLayer = number;
    return layer;
}

extern const RuleListIndexRow kRuleListIndex[];

extern const LayerRule kBodyRules[];
extern const LayerRule kPaperBankRules[];
extern const LayerRule kLargeCapacityTrayRules[];
extern const LayerRule kDocumentFeederRules[];
extern const LayerRule kBridgeUnitRules[];
extern const LayerRule kFinisher1Rules[];
extern const LayerRule kFinisher2Rules[];
extern const LayerRule kFinisher3Rules[];
extern const LayerRule kOneBinTrayRules[];
