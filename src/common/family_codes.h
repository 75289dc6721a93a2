// Codes of this printer family that the library, the host and the tests name:
// option, tray, output bin and emulation ids as they stand in the record's
// lists, and the status codes the code treats specially.  The tables of names
// (PJL words, display strings) refer to these by value; a code named in logic
// is named here and nowhere else.
#pragma once

#include <stdint.h>

// Installed options (wId of a device item, pDeviceInfo).
constexpr uint16_t kOptionDuplex = 1;
constexpr uint16_t kOptionDisk = 3;
constexpr uint16_t kOptionPunchJp2 = 12;  // the punch units, by the holes they make
constexpr uint16_t kOptionPunchUs = 132;
constexpr uint16_t kOptionPunchJp2Eu4 = 133;
constexpr uint16_t kOptionPunchNeu4 = 134;
constexpr uint16_t kOptionOneBinTray = 7;
constexpr uint16_t kOptionFinisher1000 = 37;
constexpr uint16_t kOptionFinisher3000 = 114;
constexpr uint16_t kOptionBookletFinisher = 115;
constexpr uint16_t kOptionPaperBank = 102;            // tray 4; its misfeeds may hide behind the lower right cover
constexpr uint16_t kOptionLargeCapacityTray = 104;  // likewise
constexpr uint16_t kOptionBridgeUnit = 131;
constexpr uint16_t kOptionBypassTray = 16;
constexpr uint16_t kOptionDocumentFeeder = 144;

// Input trays (wId of a tray item, pTrayInfo).
constexpr uint16_t kTrayNone = 0;  // a print-tray answer naming no tray; a tray name the family does not know
constexpr uint16_t kTrayBypass = 1;
constexpr uint16_t kTray1 = 3;
constexpr uint16_t kTray2 = 4;
constexpr uint16_t kTray3 = 5;
constexpr uint16_t kTray4 = 6;
constexpr uint16_t kTrayLargeCapacity = 11;

// Output bins (wId of an output bin item, pOutBinInfo).
constexpr uint16_t kBinInternal1 = 1;
constexpr uint16_t kBinInternal2 = 2;
constexpr uint16_t kBinFinisherShift = 4;
constexpr uint16_t kBinFinisherUpper = 5;
constexpr uint16_t kBinFinisherBooklet = 27;
constexpr uint16_t kBinUnnamed = 255;  // a bin name the family does not know

// Emulations (wId of a loaded-emulation item, pLoadedEmul; an emulation-specific
// query's code).
constexpr uint16_t kEmulationMainProgram = 1;
constexpr uint16_t kEmulationKms = 2;
constexpr uint16_t kEmulationV98 = 3;
constexpr uint16_t kEmulationV16 = 4;
constexpr uint16_t kEmulationV55 = 7;
constexpr uint16_t kEmulationGl2 = 12;
constexpr uint16_t kEmulationTiff = 13;
constexpr uint16_t kEmulationZema = 15;
constexpr uint16_t kEmulationPcl5e = 16;
constexpr uint16_t kEmulationPclXl = 17;
constexpr uint16_t kEmulationPcl = 18;

// Counters (wId of a counter item, pCounterInfo).
constexpr uint16_t kCounterTotal = 1;  // the one counter a device ID reports

// The output bin word a record gets once its bins were rebuilt from a reply.
constexpr uint32_t kOutBinWordRebuilt = 255;

// Status codes.
constexpr uint32_t kStatusReady = 10001;
constexpr uint32_t kStatusServiceCall = 40800;
constexpr uint32_t kStatusMisfeed = 42000;
constexpr uint32_t kStatusOptionMisfeed = 42001;
constexpr uint32_t kStatusOffline = 10002;
// The error class of the engine statuses: an error stops the printer.
constexpr uint32_t kFirstErrorStatus = 40001;
constexpr uint32_t kLastErrorStatus = 49999;
// Conditions in the error range that do not stop the printer: the punch's
// receptacle full, and the staplers almost empty.
constexpr uint32_t kStatusPunchReceptacleFull = 40342;
constexpr uint32_t kFirstStaplerLowStatus = 40440;
constexpr uint32_t kLastStaplerLowStatus = 40443;
