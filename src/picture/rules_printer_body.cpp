// What the printer body shows for each status code.
#include "layer_rules.h"

namespace {

constexpr PatBitmapLayer kBase = Layer("BM_BASE", 0, 0, 1);

constexpr PatBitmapLayer kPowerOff = Layer("BM_POWEROFF", 0, 0, 250);
constexpr PatBitmapLayer kCaution = Layer("BM_CAUTION", 0, 0, 250);
constexpr PatBitmapLayer kService = Layer("BM_SERVICE", 0, 0, 250);
constexpr PatBitmapLayer kFullSetCaution = Layer("BM_CAUTION", 0, 0, 246);
constexpr PatBitmapLayer kReducedSetCaution = Layer("BM_CAUTION", 0, 0, 248);
constexpr PatBitmapLayer kReducedSetService = Layer("BM_SERVICE", 0, 0, 248);

constexpr PatBitmapLayer kPoint8 = Layer("BM_POINT_8", 196, 53, 100);
constexpr PatBitmapLayer kPoint4 = Layer("BM_POINT_4", 198, 99, 102);
constexpr PatBitmapLayer kPoint1 = Layer("BM_POINT_1", 142, 99, 116);
constexpr PatBitmapLayer kPoint2 = Layer("BM_POINT_2", 117, 114, 118);
constexpr PatBitmapLayer kPoint7 = Layer("BM_POINT_7", 117, 49, 108);
constexpr PatBitmapLayer kPoint6 = Layer("BM_POINT_6", 117, 67, 114);
// The two uses of BM_POINT_25 really stand one pixel apart.
constexpr PatBitmapLayer kPoint25At211 = Layer("BM_POINT_25", 211, 43, 102);
constexpr PatBitmapLayer kPoint25At212 = Layer("BM_POINT_25", 212, 43, 102);

}  // namespace

extern const LayerRule kBodyRules[] = {
    {kDefaultRuleKey, {kBase}},

    {"4294967042", {kBase, kPowerOff}},

    {"40979", {kBase, kCaution}},
    {"40910", {kBase, kCaution}},
    {"40911", {kBase, kCaution}},
    {"40912", {kBase, kCaution}},
    {"40913", {kBase, kCaution}},
    {"40914", {kBase, kCaution}},
    {"40915", {kBase, kCaution}},
    {"40916", {kBase, kCaution}},
    {"40906", {kBase, kCaution}},
    {"40902", {kBase, kCaution}},
    {"450yy", {kBase, kCaution}},
    {"340101", {kBase, kCaution}},
    {"640200", {kBase, kCaution}},
    {"640201", {kBase, kCaution}},
    {"610002", {kBase, kCaution}},
    {"440101", {kBase, kCaution}},
    {"440002", {kBase, kCaution}},
    {"340200", {kBase, kCaution}},

    {"40510", {kBase, kPoint8}},
    {"40201", {kBase, kPoint8}},
    {"42000", {kBase, kPoint8}},
    {"42001", {kBase, kPoint8}},
    {"42004", {kBase, kPoint8}},

    {"461yy", {kBase, kPoint4}},
    {"471yy", {kBase, kPoint4}},
    {"481yy", {kBase, kPoint4}},
    {"411yy", {kBase, kPoint4}},
    {"41100", {kBase, kPoint4}},

    {"462yy", {kBase, kPoint1}},
    {"472yy", {kBase, kPoint1}},
    {"482yy", {kBase, kPoint1}},
    {"412yy", {kBase, kPoint1}},
    {"41200", {kBase, kPoint1}},

    {"463yy", {kBase, kPoint2}},
    {"473yy", {kBase, kPoint2}},
    {"483yy", {kBase, kPoint2}},
    {"413yy", {kBase, kPoint2}},
    {"41300", {kBase, kPoint2}},

    {"40722", {kBase, kFullSetCaution, kReducedSetService}},
    {"40723", {kBase, kFullSetCaution, kReducedSetService}},

    {"40300", {kBase, kPoint7}},

    {"40015", {kBase, kPoint6}},
    {"40014", {kBase, kPoint6}},
    {"40013", {kBase, kPoint6}},
    {"40012", {kBase, kPoint6}},
    {"40200", {kBase, kPoint6}},
    {"40135", {kBase, kPoint6}},
    {"40134", {kBase, kPoint6}},
    {"40133", {kBase, kPoint6}},
    {"40132", {kBase, kPoint6}},
    {"40155", {kBase, kPoint6}},
    {"40154", {kBase, kPoint6}},
    {"40153", {kBase, kPoint6}},
    {"40152", {kBase, kPoint6}},

    {"40011", {kBase, kService}},
    {"40159", {kBase, kService}},
    {"40100", {kBase, kService}},
    {"40800", {kBase, kService}},
    {"40763", {kBase, kService}},

    {"40261", {kBase, kPoint25At211}},

    {"42009", {kBase, kPoint8, kPoint25At212}},

    {"50102", {kBase, kReducedSetCaution}},
    {"50115", {kBase, kReducedSetCaution}},
    {"50108", {kBase, kReducedSetCaution}},
    {"50112", {kBase, kReducedSetCaution}},
    {"50113", {kBase, kReducedSetCaution}},
    {"50109", {kBase, kReducedSetCaution}},
    {"50105", {kBase, kReducedSetCaution}},
    {"50114", {kBase, kReducedSetCaution}},
    {"10075", {kBase, kReducedSetCaution}},
    {"10074", {kBase, kReducedSetCaution}},
    {"10073", {kBase, kReducedSetCaution}},
    {"10072", {kBase, kReducedSetCaution}},
    {"30015", {kBase, kReducedSetCaution}},
    {"30014", {kBase, kReducedSetCaution}},
    {"30013", {kBase, kReducedSetCaution}},
    {"10032", {kBase, kReducedSetCaution}},
    {"30743", {kBase, kReducedSetCaution}},
    {"30763", {kBase, kReducedSetCaution}},
    {"30722", {kBase, kReducedSetCaution}},
    {"30723", {kBase, kReducedSetCaution}},
    {"30607", {kBase, kReducedSetCaution}},
    {"630001", {kBase, kReducedSetCaution}},
    {"430001", {kBase, kReducedSetCaution}},
    {"50101", {kBase, kReducedSetCaution}},

    {"30610", {kBase, kReducedSetService}},
    {"30609", {kBase, kReducedSetService}},

    {nullptr, {}},
};
