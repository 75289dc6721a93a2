// Which rule list describes the printer body and each option.
#include "common/family_codes.h"
#include "layer_rules.h"

extern const RuleListIndexRow kRuleListIndex[] = {
    {kBodyRuleListKey, kBodyRules},
    {kOptionPaperBank, kPaperBankRules},
    {kOptionLargeCapacityTray, kLargeCapacityTrayRules},
    {kOptionDocumentFeeder, kDocumentFeederRules},
    {kOptionBridgeUnit, kBridgeUnitRules},
    {kOptionFinisher1000, kFinisher1Rules},
    {kOptionFinisher3000, kFinisher2Rules},
    {kOptionBookletFinisher, kFinisher3Rules},
    {kOptionOneBinTray, kOneBinTrayRules},
    {kRuleListIndexEnd, nullptr},
};
