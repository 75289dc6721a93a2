#include "printer_states.h"

#include <string.h>

#include "common/family_codes.h"

namespace {

// Option ids as they appear in the pDeviceInfo list.
const uint16_t kBank = kOptionPaperBank;
const uint16_t kLct = kOptionLargeCapacityTray;
const uint16_t kAdf = kOptionDocumentFeeder;
const uint16_t kBridge = kOptionBridgeUnit;
const uint16_t kFinisher1 = kOptionFinisher1000;
const uint16_t kFinisher2 = kOptionFinisher3000;
const uint16_t kBookletFinisher = kOptionBookletFinisher;
const uint16_t kOneBin = kOptionOneBinTray;

const uint32_t kReduced = PAT_REDUCED_SET_BIT | PAT_SOURCE_1;

template <typename Item>
void ChainItems(std::vector<Item> *items) {
    for (size_t i = 0; i + 1 < items->size(); ++i) (*items)[i].pNext = &(*items)[i + 1];
}

}  // namespace

const PrinterState kPrinterStates[] = {
    {"ready", "Ready, no options", PAT_SOURCE_1, {kStatusReady}, {}, false, ""},
    {"ready_bank_adf_finisher", "Ready with paper bank, document feeder, bridge unit and finisher",
     PAT_SOURCE_1, {kStatusReady}, {kBank, kAdf, kBridge, kFinisher1}, false, ""},
    {"ready_lct_booklet_finisher", "Ready with large-capacity tray, document feeder, bridge unit and booklet finisher",
     PAT_SOURCE_1, {kStatusReady}, {kLct, kAdf, kBridge, kBookletFinisher}, false, ""},
    {"ready_bank_one_bin", "Ready with paper bank and one-bin tray", PAT_SOURCE_1, {kStatusReady}, {kBank, kOneBin},
     false, ""},
    {"jam_duplex_bridge", "Misfeed in the duplex unit and the bridge unit", PAT_SOURCE_1, {kStatusOptionMisfeed},
     {kBridge, kFinisher2}, false, ""},
    {"jam_lower_right_cover", "Misfeed behind the lower right cover", PAT_SOURCE_1, {kStatusMisfeed}, {kBank}, false, ""},
    {"jam_upper_right_cover", "Misfeed behind the duplex unit and the upper right cover", PAT_SOURCE_1, {42009},
     {}, false, ""},
    {"jam_document_feeder", "Original misfeed in the document feeder", PAT_SOURCE_1, {242001}, {kAdf}, false, ""},
    {"jam_finisher", "Misfeed in the booklet finisher", PAT_SOURCE_1, {42005}, {kBridge, kBookletFinisher},
     false, ""},
    {"toner_out", "Black toner out", PAT_SOURCE_1, {40012}, {}, false, ""},
    {"tray1_empty", "Tray 1 out of paper", PAT_SOURCE_1, {41201}, {}, false, ""},
    {"tray2_empty", "Tray 2 out of paper", PAT_SOURCE_1, {41301}, {kBank}, false, ""},
    {"tray3_empty", "Tray 3 (paper bank) out of paper", PAT_SOURCE_1, {41401}, {kBank}, false, ""},
    {"tray4_empty", "Tray 4 (paper bank) out of paper", PAT_SOURCE_1, {41501}, {kBank}, false, ""},
    {"lct_empty", "Large-capacity tray out of paper", PAT_SOURCE_1, {41001}, {kLct}, false, ""},
    {"bypass_empty", "Bypass tray out of paper", PAT_SOURCE_1, {41101}, {}, false, ""},
    {"internal_tray_full", "Internal tray full", PAT_SOURCE_1, {40300}, {kAdf}, false, ""},
    {"finisher_trays_full", "Finisher upper tray and shift tray full (first finisher type)", PAT_SOURCE_1, {40340, 40341},
     {kBridge, kFinisher1}, false, ""},
    {"finisher2_trays_full", "Finisher upper tray and shift tray full (second finisher type)", PAT_SOURCE_1, {40340, 40341},
     {kBridge, kFinisher2}, false, ""},
    {"booklet_tray_full", "Booklet tray full", PAT_SOURCE_1, {40343}, {kBridge, kBookletFinisher}, false, ""},
    {"front_cover_open", "Front cover open", PAT_SOURCE_1, {40200}, {}, false, ""},
    {"finisher_covers_open", "Finisher front cover and upper cover open", PAT_SOURCE_1, {40241, 40242},
     {kBridge, kFinisher1}, false, ""},
    {"bridge_covers_open", "Bridge unit covers open", PAT_SOURCE_1, {40231, 40233}, {kBridge, kFinisher1},
     false, ""},
    {"bank_cover_open", "Lower right cover open", PAT_SOURCE_1, {40210}, {kBank}, false, ""},
    {"prints_in_finisher", "Prints left in the finisher (first finisher type)", PAT_SOURCE_1, {40540}, {kBridge, kFinisher1},
     false, ""},
    {"prints_in_finisher2", "Prints left in the finisher (second finisher type)", PAT_SOURCE_1, {40540}, {kBridge, kFinisher2},
     false, ""},
    {"finisher_not_detected", "Finisher not detected (first finisher type)", PAT_SOURCE_1, {40156}, {kBridge, kFinisher1}, false, ""},
    {"finisher2_not_detected", "Finisher not detected (second finisher type)", PAT_SOURCE_1, {40156}, {kBridge, kFinisher2}, false,
     ""},
    {"no_response", "No response from the printer", PAT_SOURCE_1, {}, {kBank, kAdf}, true, ""},
    {"service_call", "Service call", PAT_SOURCE_1, {kStatusServiceCall}, {kBank}, false, "Service call SC542"},
    {"caution", "An error on the operation panel", PAT_SOURCE_1, {40979}, {}, false, ""},
    {"tray_error", "Tray 1 functional problem", PAT_SOURCE_1, {40722}, {}, false, ""},
    {"tray_error_reduced", "Tray 1 functional problem, reduced status set", kReduced, {40722}, {}, false, ""},
    {nullptr, nullptr, 0, {}, {}, false, nullptr},
};

StateRecord::StateRecord(const PrinterState &state) {
    for (uint32_t code : state.statusCodes) {
        if (code == 0) break;
        PatEngineStatusItem item = {};
        item.dwSize = sizeof item;
        item.dwStatusCode = code;
        strncpy(item.szText, state.statusText, sizeof item.szText - 1);
        statusItems_.push_back(item);
    }
    for (uint16_t option : state.options) {
        if (option == 0) break;
        PatDeviceItem item = {};
        item.dwSize = sizeof item;
        item.wId = option;
        deviceItems_.push_back(item);
    }
    ChainItems(&statusItems_);
    ChainItems(&deviceItems_);
    record_.dwVersion = PAT_PRNINFOEX_MIN_VERSION;
    record_.nEngineStatus = static_cast<uint32_t>(statusItems_.size());
    record_.pEngineStatus = statusItems_.empty() ? nullptr : statusItems_.data();
    record_.nDeviceInfo = static_cast<uint32_t>(deviceItems_.size());
    record_.pDeviceInfo = deviceItems_.empty() ? nullptr : deviceItems_.data();
    record_.bNoResponse = state.noResponse ? 1 : 0;
}
