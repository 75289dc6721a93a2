// Composing a picture's layers: collecting them per code and option, removing
// a sign class, and putting them in drawing order with their masks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/growable_array.h"
#include "picture/collect_layers.h"
#include "picture/layer_buffer.h"
#include "picture/layer_order.h"
#include "platform/linux/heap_hooks.h"
#include "support/picture_text.h"

namespace {

using Lines = std::vector<std::string>;

struct LayerBuffer {
    GrowableBuffer *buffer = CreateLayerBuffer();
    ~LayerBuffer() { BufferFree(buffer); }
    Lines Text() const {
        return LayersText(reinterpret_cast<const PatBitmapLayer *>(buffer->data), LayerCount(buffer));
    }
};

// The layers in drawing order in a buffer of their own; null when ordering
// them fails.
GrowableBuffer *OrderLayers(GrowableBuffer *layers) {
    GrowableBuffer *ordered = CreateLayerBuffer();
    if (ordered == nullptr) return nullptr;
    if (!OrderLayersInto(layers, ordered)) {
        BufferFree(ordered);
        return nullptr;
    }
    return ordered;
}

// A rule with layers of its own: a rule's slots refer to its layers, which
// the tables keep as constants.
struct TestRule {
    std::vector<PatBitmapLayer> layers;
    LayerRule rule{"1", {}};
    TestRule(std::initializer_list<PatBitmapLayer> list) : layers(list) {
        for (size_t slot = 0; slot < layers.size(); ++slot) rule.layers[slot] = layers[slot];
    }
    TestRule(const TestRule &) = delete;
    TestRule &operator=(const TestRule &) = delete;
};

TEST(PictureLayers, AddRuleLayersSkipsLayersAlreadyThere) {
    LayerBuffer layers;
    PatBitmapLayer paintedCaution = Layer("BM_CAUTION", 0, 0, 246);
    paintedCaution.dwRop = PAT_ROP_SRCPAINT;  // not part of a layer's identity
    const TestRule first({Layer("BM_BASE", 0, 0, 1), Layer("BM_CAUTION", 0, 0, 246)});
    const TestRule second({Layer("BM_BASE", 0, 0, 1), paintedCaution, Layer("BM_CAUTION", 0, 0, 248),
                                     Layer("BM_CAUTION", 1, 0, 246), Layer("BM_CAUTION", 0, 1, 246),
                                     Layer("bm_caution", 0, 0, 246)});
    AddRuleLayers(layers.buffer, &first.rule);
    AddRuleLayers(layers.buffer, &second.rule);
    AddRuleLayers(layers.buffer, nullptr);
    EXPECT_EQ(layers.Text(), (Lines{"BM_BASE 0,0 0 #1", "BM_CAUTION 0,0 0 #246", "BM_CAUTION 0,0 0 #248",
                                    "BM_CAUTION 1,0 0 #246", "BM_CAUTION 0,1 0 #246", "bm_caution 0,0 0 #246"}));
}

TEST(PictureLayers, AddRuleLayersStopsAtTheFirstFailedAppend) {
    LayerBuffer layers;
    for (int i = 0; i < 19; ++i) {
        const TestRule filler({Layer("BM_POINT_1", i, 0, 100)});
        AddRuleLayers(layers.buffer, &filler.rule);
    }
    const TestRule rule({Layer("BM_POINT_2", 0, 0, 102), Layer("BM_POINT_3", 0, 0, 104),
                                   Layer("BM_POINT_4", 0, 0, 106)});
    platform_heap::ResetAllocationCount();
    platform_heap::FailAllocationNumber(1);  // the buffer's first growth
    AddRuleLayers(layers.buffer, &rule.rule);
    platform_heap::FailAllocationNumber(0);
    const Lines text = layers.Text();
    ASSERT_EQ(text.size(), 20u) << "the layer after the failed one must not be added";
    EXPECT_EQ(text.back(), "BM_POINT_2 0,0 0 #102");
}

TEST(PictureLayers, RemoveLayerNumberRemovesEveryMatchIncludingNeighbours) {
    LayerBuffer layers;
    const TestRule rule({Layer("A", 0, 0, 248), Layer("B", 0, 0, 248), Layer("C", 0, 0, 1),
                                   Layer("D", 0, 0, 248), Layer("E", 0, 0, 246), Layer("F", 0, 0, 248)});
    AddRuleLayers(layers.buffer, &rule.rule);
    RemoveLayerNumber(layers.buffer, 248);
    EXPECT_EQ(layers.Text(), (Lines{"C 0,0 0 #1", "E 0,0 0 #246"}));
    RemoveLayerNumber(layers.buffer, 7);
    EXPECT_EQ(layers.Text().size(), 2u);
}

TEST(PictureLayers, OrderLayersByNumberKeepingCollectionOrderWithMasksFirst) {
    LayerBuffer layers;
    const TestRule rule({Layer("BM_POINT_3", 117, 129, 120), Layer("BM_LCT", 0, 0, 20),
                                   Layer("BM_POWEROFF", 0, 0, 255), Layer("BM_POINT_2", 117, 132, 120),
                                   Layer("BM_BASE", 0, 0, 1), Layer("HIDDEN", 0, 0, 0),
                                   Layer("BM_BANK", 0, 0, 20), Layer("ODD", 5, 6, 33)});
    AddRuleLayers(layers.buffer, &rule.rule);
    GrowableBuffer *ordered = OrderLayers(layers.buffer);
    ASSERT_NE(ordered, nullptr);
    const Lines text = LayersText(reinterpret_cast<const PatBitmapLayer *>(ordered->data), LayerCount(ordered));
    BufferFree(ordered);
    EXPECT_EQ(text, (Lines{"BM_BASE 0,0 COPY #1", "BM_LCT_B 0,0 AND #20", "BM_LCT 0,0 PAINT #20",
                           "BM_BANK_B 0,0 AND #20", "BM_BANK 0,0 PAINT #20", "ODD 5,6 COPY #33",
                           "BM_POINT_3_B 117,129 AND #120", "BM_POINT_3 117,129 PAINT #120",
                           "BM_POINT_2_B 117,132 AND #120", "BM_POINT_2 117,132 PAINT #120",
                           "BM_POWEROFF 0,0 COPY #255"}));
}

TEST(PictureLayers, OrderLayersOfNothingIsEmpty) {
    LayerBuffer layers;
    GrowableBuffer *ordered = OrderLayers(layers.buffer);
    ASSERT_NE(ordered, nullptr);
    EXPECT_EQ(LayerCount(ordered), 0u);
    BufferFree(ordered);
}

TEST(PictureLayers, OrderLayersRefusesAMaskNameThatCannotFit) {
    const std::string name29(29, 'M'), name30(30, 'M');
    const struct {
        std::string name;
        uint8_t number;
        bool ordered;
    } cases[] = {{name29, 2, true}, {name30, 2, false}, {name30, 3, true}, {std::string(31, 'M'), 4, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.name.size() << " characters at layer " << int(c.number));
        LayerBuffer layers;
        const TestRule rule({Layer(c.name.c_str(), 0, 0, c.number)});
        AddRuleLayers(layers.buffer, &rule.rule);
        GrowableBuffer *ordered = OrderLayers(layers.buffer);
        EXPECT_EQ(ordered != nullptr, c.ordered);
        if (ordered != nullptr && c.number % 2 == 0) {
            const auto *mask = reinterpret_cast<const PatBitmapLayer *>(ordered->data);
            EXPECT_EQ(std::string(mask->szBitmapName), c.name + "_B");
        }
        BufferFree(ordered);
    }
}

// A record whose pDeviceInfo chain lists the given options in order.
struct OptionChain {
    PrnInfoEx record{};
    std::vector<PatDeviceItem> items;
    explicit OptionChain(std::initializer_list<uint16_t> ids) : items(ids.size()) {
        size_t i = 0;
        for (uint16_t id : ids) {
            items[i] = PatDeviceItem{i + 1 < items.size() ? &items[i + 1] : nullptr, sizeof(PatDeviceItem), id, 0};
            ++i;
        }
        record.dwVersion = 404;
        record.nDeviceInfo = static_cast<uint32_t>(items.size());
        record.pDeviceInfo = items.empty() ? nullptr : &items[0];
    }
};

Lines Collect(std::initializer_list<uint16_t> options, std::initializer_list<uint32_t> codes) {
    OptionChain chain(options);
    ArrayOf<uint32_t> codeList;
    EXPECT_TRUE(codeList.Create(20, 1));
    for (uint32_t code : codes) codeList.Append(code);
    LayerBuffer layers;
    CollectLayers(&chain.record, codeList, layers.buffer);
    codeList.Free();
    return layers.Text();
}

TEST(PictureLayers, CollectDecidesPatternModeOncePerCodeOverAllLists) {
    const struct {
        const char *what;
        std::initializer_list<uint16_t> options;
        std::initializer_list<uint32_t> codes;
        Lines layers;
    } cases[] = {
        {"no exact key: the body's 411yy applies", {}, {41105}, {"BM_BASE 0,0 0 #1", "BM_POINT_4 198,99 0 #102"}},
        {"exact key in the tray list: the body gives its default",
         {104},
         {41000},
         {"BM_BASE 0,0 0 #1", "BM_LCT 0,0 0 #20", "BM_POINT_3 117,129 0 #120"}},
        {"exact key only in an option that is not installed",
         {37},
         {40343},
         {"BM_BASE 0,0 0 #1", "BM_FIN1 0,0 0 #50", "BM_TABLE 0,0 0 #10"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Collect(c.options, c.codes), c.layers);
    }
}

TEST(PictureLayers, CollectGoesCodeByCodeBodyFirstThenOptionsInChainOrder) {
    EXPECT_EQ(Collect({999, 104, 102, 104}, {46000, 46400}),
              (Lines{"BM_BASE 0,0 0 #1", "BM_LCT 0,0 0 #20", "BM_POINT_3 117,129 0 #120", "BM_BANK 0,0 0 #20",
                     "BM_POINT_2 117,132 0 #120"}));
    EXPECT_EQ(Collect({131}, {42001, 40231}),
              (Lines{"BM_BASE 0,0 0 #1", "BM_POINT_8 196,53 0 #100", "BM_BRIDGE 0,0 0 #40",
                     "BM_POINT_18 156,44 0 #110", "BM_POINT_19 117,35 0 #112"}));
    EXPECT_EQ(Collect({7}, {}), Lines{});
}

}  // namespace
