#include "picture/rule_lookup.h"

#include "status/status_code.h"

namespace {

// A key of digits matches only its own code, in either mode; a code pattern
// only in pattern mode; the default key never.
bool RuleMatches(const LayerRule &rule, uint32_t code, const char *codeText, bool patternMode) {
    if (rule.exactCode != kNotACode) return rule.exactCode == code;
    return patternMode && MatchCodePattern(codeText, rule.key) != 0;
}

}  // namespace

const LayerRule *FindRuleList(uint16_t key) {
    for (const RuleListIndexRow *row = kRuleListIndex; row->key != kRuleListIndexEnd; ++row) {
        if (row->key == key) return row->rules;
    }
    return nullptr;
}

int HasExactRuleKey(uint32_t code) {
    for (const RuleListIndexRow *row = kRuleListIndex; row->key != kRuleListIndexEnd; ++row) {
        for (const LayerRule *rule = row->rules; rule->key != nullptr; ++rule) {
            if (rule->exactCode == code) return 1;
        }
    }
    return 0;
}

const LayerRule *FindLayerRule(const LayerRule *rules, uint32_t code, bool patternMode) {
    char codeText[kDecimalCodeSize];
    FormatStatusCode(code, codeText);
    return FindLayerRuleForText(rules, code, codeText, patternMode);
}

const LayerRule *FindLayerRuleForText(const LayerRule *rules, uint32_t code, const char *codeText, bool patternMode) {
    const LayerRule *fallback = nullptr;
    for (const LayerRule *rule = rules; rule->key != nullptr; ++rule) {
        if (RuleMatches(*rule, code, codeText, patternMode)) return rule;
        if (rule->isDefault) fallback = rule;
    }
    return fallback;
}
