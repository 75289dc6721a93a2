// What the three finishers (options 37, 114 and 115) show for each status
// code.  Every finisher is drawn standing on BM_TABLE.
#include "layer_rules.h"

namespace {

constexpr PatBitmapLayer kTable = Layer("BM_TABLE", 0, 0, 10);
constexpr PatBitmapLayer kReducedSetCaution = Layer("BM_CAUTION", 0, 0, 248);
constexpr PatBitmapLayer kPoint18 = Layer("BM_POINT_18", 156, 44, 110);
constexpr PatBitmapLayer kPoint19 = Layer("BM_POINT_19", 117, 35, 112);

constexpr PatBitmapLayer kFin1 = Layer("BM_FIN1", 0, 0, 50);
constexpr PatBitmapLayer kPoint22 = Layer("BM_POINT_22", 79, 45, 128);
constexpr PatBitmapLayer kPoint11 = Layer("BM_POINT_11", 79, 61, 128);
constexpr PatBitmapLayer kPoint9 = Layer("BM_POINT_9", 72, 35, 130);
constexpr PatBitmapLayer kPoint10 = Layer("BM_POINT_10", 57, 61, 132);
constexpr PatBitmapLayer kPoint12 = Layer("BM_POINT_12", 103, 34, 124);
constexpr PatBitmapLayer kPoint20 = Layer("BM_POINT_20", 53, 54, 126);

// The second and third finishers share one shape, so their highlights too.
constexpr PatBitmapLayer kFin2 = Layer("BM_FIN2", 0, 0, 50);
constexpr PatBitmapLayer kFin3 = Layer("BM_FIN3", 0, 0, 50);
constexpr PatBitmapLayer kPoint23 = Layer("BM_POINT_23", 69, 25, 128);
constexpr PatBitmapLayer kPoint13 = Layer("BM_POINT_13", 69, 48, 128);
constexpr PatBitmapLayer kPoint14 = Layer("BM_POINT_14", 62, 21, 130);
constexpr PatBitmapLayer kPoint15 = Layer("BM_POINT_15", 46, 50, 132);
constexpr PatBitmapLayer kPoint16 = Layer("BM_POINT_16", 46, 119, 134);
constexpr PatBitmapLayer kPoint21 = Layer("BM_POINT_21", 43, 40, 126);

}  // namespace

extern const LayerRule kFinisher1Rules[] = {
    {kDefaultRuleKey, {kFin1, kTable}},

    {"40540", {kFin1, kTable, kPoint22}},

    {"40392", {kFin1, kTable, kPoint11}},
    {"40490", {kFin1, kTable, kPoint11}},
    {"40241", {kFin1, kTable, kPoint11}},
    {"42005", {kFin1, kTable, kPoint11}},

    {"40340", {kFin1, kTable, kPoint9}},
    {"40341", {kFin1, kTable, kPoint10}},
    {"40242", {kFin1, kTable, kPoint12}},
    {"40156", {kFin1, kTable, kPoint20}},
    {"42001", {kFin1, kTable, kPoint18, kPoint19}},

    {"30740", {kFin1, kTable, kReducedSetCaution}},
    {"30744", {kFin1, kTable, kReducedSetCaution}},

    {nullptr, {}},
};

extern const LayerRule kFinisher2Rules[] = {
    {kDefaultRuleKey, {kFin2, kTable}},

    {"40540", {kFin2, kTable, kPoint23}},

    {"40392", {kFin2, kTable, kPoint13}},
    {"40490", {kFin2, kTable, kPoint13}},
    {"40241", {kFin2, kTable, kPoint13}},
    {"42005", {kFin2, kTable, kPoint13}},

    {"40340", {kFin2, kTable, kPoint14}},
    {"40341", {kFin2, kTable, kPoint15}},
    {"40156", {kFin2, kTable, kPoint21}},
    {"42001", {kFin2, kTable, kPoint18, kPoint19}},

    {"30740", {kFin2, kTable, kReducedSetCaution}},
    {"30744", {kFin2, kTable, kReducedSetCaution}},

    {nullptr, {}},
};

extern const LayerRule kFinisher3Rules[] = {
    {kDefaultRuleKey, {kFin3, kTable}},

    {"40540", {kFin3, kTable, kPoint23}},

    {"40392", {kFin3, kTable, kPoint13}},
    {"40490", {kFin3, kTable, kPoint13}},
    {"40241", {kFin3, kTable, kPoint13}},
    {"42005", {kFin3, kTable, kPoint13}},

    {"40492", {kFin3, kTable, kPoint13}},
    {"40493", {kFin3, kTable, kPoint13}},
    {"40491", {kFin3, kTable, kPoint13}},

    {"40340", {kFin3, kTable, kPoint14}},
    {"40341", {kFin3, kTable, kPoint15}},
    {"40343", {kFin3, kTable, kPoint16}},
    {"40156", {kFin3, kTable, kPoint21}},
    {"42001", {kFin3, kTable, kPoint18, kPoint19}},

    {"30740", {kFin3, kTable, kReducedSetCaution}},
    {"30744", {kFin3, kTable, kReducedSetCaution}},

    {nullptr, {}},
};
