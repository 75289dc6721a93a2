// The picture rule tables and the lookup of the rule for a status code.
#include <gtest/gtest.h>

#include <string.h>

#include <set>
#include <string>

#include "picture/layer_rules.h"
#include "picture/rule_lookup.h"

namespace {

int LayersOf(const LayerRule &rule) {
    int n = 0;
    while (n < kRuleSlots && rule.layers[n]->szBitmapName[0] != '\0') ++n;
    return n;
}

bool SameLayer(const PatBitmapLayer &a, const PatBitmapLayer &b) { return memcmp(&a, &b, sizeof a) == 0; }

TEST(PictureRules, EveryListIsWhole) {
    const struct {
        uint16_t key;
        int rules;
    } expected[] = {{0xFFFE, 89}, {102, 18}, {104, 11}, {144, 3}, {131, 4},
                    {37, 13},     {114, 12}, {115, 16}, {7, 1}};
    int row = 0;
    for (const auto &e : expected) {
        SCOPED_TRACE(testing::Message() << "list " << e.key);
        ASSERT_EQ(kRuleListIndex[row].key, e.key) << "index rows out of order";
        const LayerRule *rules = kRuleListIndex[row++].rules;
        ASSERT_STREQ(rules[0].key, "STATUS_DEFAULT_BMP");
        const int defaultLayers = LayersOf(rules[0]);
        std::set<std::string> keys;
        int count = 0;
        for (const LayerRule *rule = rules; rule->key != nullptr; ++rule, ++count) {
            SCOPED_TRACE(rule->key);
            EXPECT_TRUE(keys.insert(rule->key).second) << "key twice in one list";
            EXPECT_LT(LayersOf(*rule), kRuleSlots);
            EXPECT_TRUE(rule == rules || LayersOf(*rule) > defaultLayers) << "rule adds nothing";
            for (int i = 0; i < defaultLayers; ++i) {
                EXPECT_TRUE(SameLayer(*rule->layers[i], *rules[0].layers[i])) << "default layer " << i;
            }
            for (int i = 0; i < LayersOf(*rule); ++i) EXPECT_EQ(rule->layers[i]->dwRop, 0u);
        }
        EXPECT_EQ(count, e.rules);
    }
    EXPECT_EQ(kRuleListIndex[row].key, 0xFFFF);
}

// The layer a rule adds beyond its list's default, as "NAME x,y #layer".
std::string AddedLayers(const LayerRule *rules, const LayerRule *rule) {
    if (rule == nullptr) return "none";
    if (rule == rules) return "default";
    std::string out;
    for (int i = LayersOf(rules[0]); i < LayersOf(*rule); ++i) {
        const PatBitmapLayer &l = *rule->layers[i];
        if (!out.empty()) out += "; ";
        out += std::string(l.szBitmapName) + " " + std::to_string(l.nX) + "," + std::to_string(l.nY) + " #" +
               std::to_string(l.bLayer);
    }
    return out;
}

TEST(PictureRules, FindLayerRuleByExactKeyOrPattern) {
    const struct {
        uint16_t list;
        uint32_t code;
        bool patternMode;
        const char *added;
    } cases[] = {
        {0xFFFE, 41105, true, "BM_POINT_4 198,99 #102"},
        {0xFFFE, 41105, false, "default"},
        {0xFFFE, 41100, false, "BM_POINT_4 198,99 #102"},
        {0xFFFE, 41100, true, "BM_POINT_4 198,99 #102"},  // "411yy" and "41100" agree
        {0xFFFE, 4110500, true, "default"},               // longer than any pattern
        {0xFFFE, 4294967042u, false, "BM_POWEROFF 0,0 #250"},
        {0xFFFE, 45077, true, "BM_CAUTION 0,0 #250"},
        {0xFFFE, 40261, false, "BM_POINT_25 211,43 #102"},
        {0xFFFE, 42009, false, "BM_POINT_8 196,53 #100; BM_POINT_25 212,43 #102"},
        {0xFFFE, 40722, false, "BM_CAUTION 0,0 #246; BM_SERVICE 0,0 #248"},
        {0xFFFE, 30609, false, "BM_SERVICE 0,0 #248"},
        {102, 46599, true, "BM_POINT_2 117,147 #122"},
        {102, 42000, false, "BM_POINT_17 199,137 #104"},
        {104, 41000, false, "BM_POINT_3 117,129 #120"},
        {104, 40721, false, "BM_CAUTION 0,0 #246; BM_SERVICE 0,0 #248"},
        {144, 242001, false, "BM_POINT_5 116,3 #106"},
        {131, 40233, false, "BM_POINT_19 117,35 #112"},
        {37, 40242, false, "BM_POINT_12 103,34 #124"},
        {37, 40343, false, "default"},
        {114, 42001, false, "BM_POINT_18 156,44 #110; BM_POINT_19 117,35 #112"},
        {115, 40343, false, "BM_POINT_16 46,119 #134"},
        {115, 40491, false, "BM_POINT_13 69,48 #128"},
        {7, 40300, false, "default"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "list " << c.list << " code " << c.code << " pattern " << c.patternMode);
        const LayerRule *rules = FindRuleList(c.list);
        ASSERT_NE(rules, nullptr);
        EXPECT_EQ(AddedLayers(rules, FindLayerRule(rules, c.code, c.patternMode)), c.added);
    }
}

TEST(PictureRules, FindLayerRuleWithoutDefaultOrRules) {
    static const LayerRule noDefault[] = {
        {"40300", {Layer("BM_BASE", 0, 0, 1)}},
        {nullptr, {}},
    };
    EXPECT_EQ(FindLayerRule(noDefault, 40300, false), &noDefault[0]);
    EXPECT_EQ(FindLayerRule(noDefault, 40301, false), nullptr);
    static const LayerRule empty[] = {{nullptr, {}}};
    EXPECT_EQ(FindLayerRule(empty, 40300, true), nullptr);
    EXPECT_EQ(FindRuleList(999), nullptr);
}

TEST(PictureRules, ExactKeyAnywhereInTheIndex) {
    const struct {
        uint32_t code;
        int exact;
    } cases[] = {
        {41000, 1},        // only in the large-capacity tray's list
        {40343, 1},        // only in the third finisher's list
        {242001, 1},       // only in the document feeder's list
        {4294967042u, 1},  // the no-response code, written unsigned
        {41105, 0},        // matched by "411yy" only
        {99999, 0},
        {0, 0},
    };
    for (const auto &c : cases) EXPECT_EQ(HasExactRuleKey(c.code), c.exact) << c.code;
}

}  // namespace
