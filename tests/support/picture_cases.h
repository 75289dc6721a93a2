// Whole status pictures for a set of printer states, shared by the native
// tests and the tests of the DLL under Wine.
#pragma once

#include <gtest/gtest.h>

#include <stdint.h>

#include <string>
#include <vector>

#include "pat.h"
#include "support/picture_text.h"

struct PictureCase {
    const char *what;
    uint32_t sourceType;
    std::vector<uint32_t> codes;     // pEngineStatus, in order
    std::vector<uint16_t> options;   // pDeviceInfo, in order
    bool noResponse;
    std::vector<std::string> picture;  // every layer, in drawing order
};

inline const PictureCase kPictureCases[] = {
    {"a highlight on the bare body", 1, {40300}, {}, false,
     {"BM_BASE 0,0 COPY #1", "BM_POINT_7_B 117,49 AND #108", "BM_POINT_7 117,49 PAINT #108"}},
    {"a code found by pattern only", 1, {41105}, {}, false,
     {"BM_BASE 0,0 COPY #1", "BM_POINT_4_B 198,99 AND #102", "BM_POINT_4 198,99 PAINT #102"}},
    {"an exact key in an option's list turns patterns off everywhere", 1, {41000}, {104}, false,
     {"BM_BASE 0,0 COPY #1", "BM_LCT_B 0,0 AND #20", "BM_LCT 0,0 PAINT #20", "BM_POINT_3_B 117,129 AND #120",
      "BM_POINT_3 117,129 PAINT #120"}},
    {"an exact key of a finisher that is not installed", 1, {40343}, {37}, false,
     {"BM_BASE 0,0 COPY #1", "BM_TABLE_B 0,0 AND #10", "BM_TABLE 0,0 PAINT #10", "BM_FIN1_B 0,0 AND #50",
      "BM_FIN1 0,0 PAINT #50"}},
    {"no response from the printer", 1, {}, {}, true,
     {"BM_BASE 0,0 COPY #1", "BM_POWEROFF_B 0,0 AND #250", "BM_POWEROFF 0,0 PAINT #250"}},
    {"two codes with the same signs, full set: caution only", 1, {40723, 40722}, {}, false,
     {"BM_BASE 0,0 COPY #1", "BM_CAUTION_B 0,0 AND #246", "BM_CAUTION 0,0 PAINT #246"}},
    {"two codes with the same signs, reduced set: service only", 0x80000001u, {40723, 40722}, {}, false,
     {"BM_BASE 0,0 COPY #1", "BM_SERVICE_B 0,0 AND #248", "BM_SERVICE 0,0 PAINT #248"}},
    {"a reduced-set caution without the reduced-set bit", 1, {50102}, {}, false, {"BM_BASE 0,0 COPY #1"}},
    {"a reduced-set caution with the reduced-set bit", 0x80000001u, {50102}, {}, false,
     {"BM_BASE 0,0 COPY #1", "BM_CAUTION_B 0,0 AND #248", "BM_CAUTION 0,0 PAINT #248"}},
    {"a paper trouble in the first finisher and the body", 1, {42001}, {37}, false,
     {"BM_BASE 0,0 COPY #1", "BM_TABLE_B 0,0 AND #10", "BM_TABLE 0,0 PAINT #10", "BM_FIN1_B 0,0 AND #50",
      "BM_FIN1 0,0 PAINT #50", "BM_POINT_8_B 196,53 AND #100", "BM_POINT_8 196,53 PAINT #100",
      "BM_POINT_18_B 156,44 AND #110", "BM_POINT_18 156,44 PAINT #110", "BM_POINT_19_B 117,35 AND #112",
      "BM_POINT_19 117,35 PAINT #112"}},
    {"a source type without a priority table", 0x8000, {40300}, {}, true, {}},
    {"nothing to report", 1, {}, {104}, false, {}},
    {"equal layer numbers keep the order of their codes", 1, {46400, 46000}, {102, 104}, false,
     {"BM_BASE 0,0 COPY #1", "BM_BANK_B 0,0 AND #20", "BM_BANK 0,0 PAINT #20", "BM_LCT_B 0,0 AND #20",
      "BM_LCT 0,0 PAINT #20", "BM_POINT_3_B 117,129 AND #120", "BM_POINT_3 117,129 PAINT #120",
      "BM_POINT_2_B 117,132 AND #120", "BM_POINT_2 117,132 PAINT #120"}},
    {"the two places of BM_POINT_25", 2, {42009, 40261}, {}, false,
     {"BM_BASE 0,0 COPY #1", "BM_POINT_8_B 196,53 AND #100", "BM_POINT_8 196,53 PAINT #100",
      "BM_POINT_25_B 211,43 AND #102", "BM_POINT_25 211,43 PAINT #102", "BM_POINT_25_B 212,43 AND #102",
      "BM_POINT_25 212,43 PAINT #102"}},
    {"document feeder and bridge unit", 2, {242001}, {144, 131}, false,
     {"BM_BASE 0,0 COPY #1", "BM_ADF_B 0,0 AND #30", "BM_ADF 0,0 PAINT #30", "BM_BRIDGE_B 0,0 AND #40",
      "BM_BRIDGE 0,0 PAINT #40", "BM_POINT_5_B 116,3 AND #106", "BM_POINT_5 116,3 PAINT #106"}},
    {"third finisher and one-bin tray", 8, {40343}, {115, 7}, false,
     {"BM_BASE 0,0 COPY #1", "BM_TABLE_B 0,0 AND #10", "BM_TABLE 0,0 PAINT #10", "BM_FIN3_B 0,0 AND #50",
      "BM_FIN3 0,0 PAINT #50", "BM_1BIN_B 0,0 AND #60", "BM_1BIN 0,0 PAINT #60",
      "BM_POINT_16_B 46,119 AND #134", "BM_POINT_16 46,119 PAINT #134"}},
    {"codes outside the priority table are all selected", 4, {46599, 40156}, {114, 102}, false,
     {"BM_BASE 0,0 COPY #1", "BM_TABLE_B 0,0 AND #10", "BM_TABLE 0,0 PAINT #10", "BM_BANK_B 0,0 AND #20",
      "BM_BANK 0,0 PAINT #20", "BM_FIN2_B 0,0 AND #50", "BM_FIN2 0,0 PAINT #50",
      "BM_POINT_2_B 117,147 AND #122", "BM_POINT_2 117,147 PAINT #122", "BM_POINT_21_B 43,40 AND #126",
      "BM_POINT_21 43,40 PAINT #126"}},
};

// The layers of a bitmap info as the host reads it, after checking that it
// holds exactly one layer list.
inline std::vector<std::string> PictureText(const PatBitmapInfo *info) {
    EXPECT_EQ(info->bTag, 201);
    EXPECT_EQ(info->dwElemSize, PAT_BITMAP_INFO_SIZE);
    EXPECT_EQ(info->dwCount, 1u);
    if (info->dwCount != 1 || info->pElems == nullptr) return {"(not one layer list)"};
    const auto *list = static_cast<const PatBitmapInfo *>(info->pElems);
    EXPECT_EQ(list->bTag, 200);
    EXPECT_EQ(list->dwElemSize, 48u);
    EXPECT_NE(list->pElems, nullptr);
    return LayersText(static_cast<const PatBitmapLayer *>(list->pElems), list->dwCount);
}
