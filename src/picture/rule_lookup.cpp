#include "picture/rule_lookup.h"

#include <stdio.h>
#include <string.h>

namespace {

// Room for the longest unsigned 32-bit decimal and its NUL.
constexpr size_t kDecimalCodeSize = 11;

void FormatCode(uint32_t code, char (&text)[kDecimalCodeSize]) {
    snprintf(text, sizeof text, "%lu", static_cast<unsigned long>(code));
}

// Same length, and every character equal or a lowercase letter in the pattern.
bool MatchesPattern(const char *text, const char *pattern) {
    for (; *text != '\0' && *pattern != '\0'; ++text, ++pattern) {
        if (*text != *pattern && !(*pattern >= 'a' && *pattern <= 'z')) return false;
    }
    return *text == '\0' && *pattern == '\0';
}

bool RuleMatches(const LayerRule &rule, const char *codeText, bool patternMode) {
    return patternMode ? MatchesPattern(codeText, rule.key) : strcmp(rule.key, codeText) == 0;
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
    FormatCode(code, codeText);
    for (const RuleListIndexRow *row = kRuleListIndex; row->key != kRuleListIndexEnd; ++row) {
        for (const LayerRule *rule = row->rules; rule->key != nullptr; ++rule) {
            if (strcmp(rule->key, codeText) == 0) return 1;
        }
    }
    return 0;
}

const LayerRule *FindLayerRule(const LayerRule *rules, uint32_t code, bool patternMode) {
    char codeText[kDecimalCodeSize];
    FormatCode(code, codeText);
    const LayerRule *fallback = nullptr;
    for (const LayerRule *rule = rules; rule->key != nullptr; ++rule) {
        if (RuleMatches(*rule, codeText, patternMode)) return rule;
        if (strcmp(rule->key, kDefaultRuleKey) == 0) fallback = rule;
    }
    return fallback;
}
