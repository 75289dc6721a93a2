#include "picture/rule_lookup.h"

#include "status/status_code.h"

namespace {

bool RuleMatches(const LayerRule &rule, const char *codeText, bool patternMode) {
    return patternMode ? MatchCodePattern(codeText, rule.key) != 0 : SameCodeText(rule.key, codeText);
}

}  // namespace

const LayerRule *FindRuleList(uint16_t key) {
    for (const RuleListIndexRow *row = kRuleListIndex; row->key != kRuleListIndexEnd; ++row) {
        if (row->key == key) return row->rules;
    }
    return nullptr;
}

int HasExactRuleKey(uint32_t code) {
    char codeText[kDecimalCodeSize];
    FormatStatusCode(code, codeText);
    return HasExactRuleKeyText(codeText);
}

int HasExactRuleKeyText(const char *codeText) {
    for (const RuleListIndexRow *row = kRuleListIndex; row->key != kRuleListIndexEnd; ++row) {
        for (const LayerRule *rule = row->rules; rule->key != nullptr; ++rule) {
            if (SameCodeText(rule->key, codeText)) return 1;
        }
    }
    return 0;
}

const LayerRule *FindLayerRule(const LayerRule *rules, uint32_t code, bool patternMode) {
    char codeText[kDecimalCodeSize];
    FormatStatusCode(code, codeText);
    return FindLayerRuleForText(rules, codeText, patternMode);
}

const LayerRule *FindLayerRuleForText(const LayerRule *rules, const char *codeText, bool patternMode) {
    const LayerRule *fallback = nullptr;
    for (const LayerRule *rule = rules; rule->key != nullptr; ++rule) {
        if (RuleMatches(*rule, codeText, patternMode)) return rule;
        if (SameCodeText(rule->key, kDefaultRuleKey)) fallback = rule;
    }
    return fallback;
}
