#include "picture/rule_lookup.h"

#include <string.h>

#include "status/status_code.h"

namespace {

bool RuleMatches(const LayerRule &rule, const char *codeText, bool patternMode) {
    return patternMode ? MatchCodePattern(codeText, rule.key) != 0 : strcmp(rule.key, codeText) == 0;
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
    for (const RuleListIndexRow *row = kRuleListIndex; row->key != kRuleListIndexEnd; ++row) {
        for (const LayerRule *rule = row->rules; rule->key != nullptr; ++rule) {
            if (strcmp(rule->key, codeText) == 0) return 1;
        }
    }
    return 0;
}

const LayerRule *FindLayerRule(const LayerRule *rules, uint32_t code, bool patternMode) {
    char codeText[kDecimalCodeSize];
    FormatStatusCode(code, codeText);
    const LayerRule *fallback = nullptr;
    for (const LayerRule *rule = rules; rule->key != nullptr; ++rule) {
        if (RuleMatches(*rule, codeText, patternMode)) return rule;
        if (strcmp(rule->key, kDefaultRuleKey) == 0) fallback = rule;
    }
    return fallback;
}
