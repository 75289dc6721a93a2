// Which rule list describes the printer body and each option.
#include "layer_rules.h"

extern const RuleListIndexRow kRuleListIndex[] = {
    {kBodyRuleListKey, kBodyRules},
    {102, kPaperBankRules},
    {104, kLargeCapacityTrayRules},
    {144, kDocumentFeederRules},
    {131, kBridgeUnitRules},
    {37, kFinisher1Rules},
    {114, kFinisher2Rules},
    {115, kFinisher3Rules},
    {7, kOneBinTrayRules},
    {kRuleListIndexEnd, nullptr},
};
