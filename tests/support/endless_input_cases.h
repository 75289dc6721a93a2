// Host lists and trees whose links never end, handed to every export that
// follows one: each call must come back with error 87 and write nothing.
// Header only: the Linux export tests and the Windows tests under Wine run
// the very same cases against the library they load.
#pragma once

#include <gtest/gtest.h>
#include <string.h>

#include <vector>

#include "pat.h"
#include "support/status_scenario.h"

struct WalkExports {
    PatBitmapInfo *(PATAPI *createBitmapInfo)(uint32_t, PatInfoNode *, uint32_t);
    PatBool(PATAPI *disposeBitmapInfo)(PatBitmapInfo *);
    PatBool(PATAPI *getStatusString)(uint32_t, PatInfoNode *, uint32_t, uint32_t, char *, uint32_t *);
    PatBool(PATAPI *getStatusHelpFileName)(uint32_t, PrnInfoEx *, uint32_t, char *, uint32_t *);
    PatBool(PATAPI *pmInfoToPrnInfoEx)(uint32_t, const void *, uint32_t, uint32_t, PrnInfoEx *);
    PatBool(PATAPI *prnInfoExToPrnInfo)(const PrnInfoEx *, void *, uint32_t);
    PatInfoNode *(PATAPI *createQueryInfo)(PrnInfoEx *, uint32_t, uint32_t);
    PatBool(PATAPI *setCentroDataTo)(PatInfoNode *, uint32_t, PrnInfoEx *, uint32_t);
    uint32_t (*lastError)();
    void (*setLastError)(uint32_t);
};

namespace endless_input {

// Links the last item of a chain back to its first.
template <typename Item>
void CloseLoop(Item *first) {
    Item *last = first;
    while (last->pNext != nullptr) last = last->pNext;
    last->pNext = first;
}

template <typename Item>
void Chain(std::vector<Item> &items) {
    for (size_t i = 0; i < items.size(); ++i) {
        items[i].dwSize = sizeof(Item);
        items[i].pNext = i + 1 < items.size() ? &items[i + 1] : nullptr;
    }
}

struct TextNode {
    PatInfoNode header;
    char text[48];
};

inline void InitTextNode(TextNode *node, uint32_t id, const char *text) {
    memset(node, 0, sizeof *node);
    node->header.dwId = id;
    node->header.dwLength = static_cast<uint32_t>(strlen(text) + 1);
    strcpy(node->text, text);
}

inline void Attach(PatInfoNode *parent, PatInfoNode *child) {
    child->pParent = parent;
    if (parent->pLastChild != nullptr) parent->pLastChild->pNextSibling = child;
    else parent->pFirstChild = child;
    parent->pLastChild = child;
}

inline PrnInfoEx EmptyRecord() {
    PrnInfoEx record;
    memset(&record, 0, sizeof record);
    record.dwVersion = PAT_PRNINFOEX_MIN_VERSION;
    return record;
}

// A status tree in each shape the status exports must refuse: the engine
// codes loop, the options loop (with a misfeed, whose text names covers by
// option), and the root's children loop without the base node.
enum class StatusLoop { kEngineStatus, kOptions, kTreeChildren };

inline void MakeEndless(StatusScenario *printer, StatusLoop loop, uint32_t *sourceType) {
    switch (loop) {
        case StatusLoop::kEngineStatus: CloseLoop(printer->base()->pEngineStatus); break;
        case StatusLoop::kOptions: CloseLoop(printer->base()->pDeviceInfo); break;
        case StatusLoop::kTreeChildren:
            printer->root()->pLastChild->pNextSibling = printer->root()->pFirstChild;
            *sourceType = PAT_SOURCE_2;  // its base node id, 3, is not in the loop
            break;
    }
}

const StatusLoop kStatusLoops[] = {StatusLoop::kEngineStatus, StatusLoop::kOptions, StatusLoop::kTreeChildren};

inline void StatusExportsRefuseEndlessInput(const WalkExports &pat) {
    for (StatusLoop loop : kStatusLoops) {
        SCOPED_TRACE(static_cast<int>(loop));
        uint32_t sourceType = PAT_SOURCE_1;
        StatusScenario printer(PAT_SOURCE_1, {42001, 40300, 10001}, {37, 102, 7});
        MakeEndless(&printer, loop, &sourceType);

        char text[64];
        memset(text, '#', sizeof text);
        uint32_t length = sizeof text;
        pat.setLastError(0);
        EXPECT_EQ(pat.getStatusString(sourceType, printer.root(), PAT_STATUS_INTERFACE_VERSION, 1, text, &length), 0);
        EXPECT_EQ(pat.lastError(), 87u);
        EXPECT_EQ(length, sizeof text);
        EXPECT_EQ(text[0], '#');

        pat.setLastError(0);
        EXPECT_EQ(pat.createBitmapInfo(sourceType | PAT_REDUCED_SET_BIT, printer.root(), PAT_STATUS_INTERFACE_VERSION),
                  nullptr);
        EXPECT_EQ(pat.lastError(), 87u);

        if (loop == StatusLoop::kEngineStatus) {
            length = sizeof text;
            pat.setLastError(0);
            EXPECT_EQ(pat.getStatusHelpFileName(sourceType, printer.base(), 0, text, &length), 0);
            EXPECT_EQ(pat.lastError(), 87u);
            EXPECT_EQ(length, sizeof text);
        }
    }
}

// The option list is followed whole for the option words; a refused call
// leaves the host's basic record as it was.
inline void BasicRecordRefusesEndlessOptions(const WalkExports &pat) {
    PrnInfoEx record = EmptyRecord();
    std::vector<PatDeviceItem> options(3);
    Chain(options);
    record.pDeviceInfo = &options[0];
    record.nDeviceInfo = 3;
    CloseLoop(record.pDeviceInfo);
    std::vector<uint8_t> basic(sizeof(PrnInfo), 0xA5);
    pat.setLastError(0);
    EXPECT_EQ(pat.prnInfoExToPrnInfo(&record, basic.data(), 0xFFFFFFFFu), 0);
    EXPECT_EQ(pat.lastError(), 87u);
    EXPECT_EQ(std::vector<uint8_t>(sizeof(PrnInfo), 0xA5), basic);
}

// A chain of exactly the ceiling is read; one item more is refused.
inline void ChainCeilingIsExact(const WalkExports &pat) {
    std::vector<PatDeviceItem> options(PAT_MAX_CHAIN_ITEMS + 1);
    Chain(options);
    options.back().wId = 7;  // the one-bin tray: option bit 0x1 of word 1708
    PrnInfoEx record = EmptyRecord();
    record.pDeviceInfo = &options[1];
    std::vector<uint8_t> basic(sizeof(PrnInfo));
    pat.setLastError(5);
    EXPECT_EQ(pat.prnInfoExToPrnInfo(&record, basic.data(), 0), 1);
    EXPECT_EQ(pat.lastError(), 0u);
    EXPECT_EQ(basic[1708], 1);
    record.pDeviceInfo = &options[0];
    EXPECT_EQ(pat.prnInfoExToPrnInfo(&record, basic.data(), 0), 0);
    EXPECT_EQ(pat.lastError(), 87u);
}

// The tray list chooses the tray blocks of the query, which would grow
// without end; trays without a block of their own loop just the same.
inline void QueryRefusesEndlessTrays(const WalkExports &pat) {
    for (uint16_t trayId : {3, 2}) {
        PrnInfoEx record = EmptyRecord();
        std::vector<PatTrayItem> trays(2);
        Chain(trays);
        trays[0].wId = trays[1].wId = trayId;
        record.pTrayInfo = &trays[0];
        record.nTrayInfo = 2;
        CloseLoop(record.pTrayInfo);
        pat.setLastError(0);
        EXPECT_EQ(pat.createQueryInfo(&record, PAT_PJL_INTERFACE_VERSION, PAT_ITEMS_INPUT_TRAYS), nullptr) << trayId;
        EXPECT_EQ(pat.lastError(), 87u);
    }
}

// The reply's levels and the record's lists are checked before anything is
// written: the record comes back byte for byte as it was.
inline void CentroDataRefusesEndlessInput(const WalkExports &pat) {
    enum Loop { kReplyChildren, kQueryChildren, kRecordTrays, kRecordEngineStatus };
    for (Loop loop : {kReplyChildren, kQueryChildren, kRecordTrays, kRecordEngineStatus}) {
        SCOPED_TRACE(static_cast<int>(loop));
        PatInfoNode root = {}, query = {};
        root.dwId = PAT_TREE_REPLY_ROOT;
        query.dwId = PAT_TREE_QUERY_ROOT;
        TextNode deviceIdRequest, deviceId, secondDeviceId;
        InitTextNode(&deviceIdRequest, PAT_NODE_DEVICE_ID, "");
        deviceIdRequest.header.dwLength = 0;
        InitTextNode(&deviceId, PAT_NODE_DEVICE_ID, "MFG:Maker;MDL:Model;STS:10001,1,Ready;");
        InitTextNode(&secondDeviceId, PAT_NODE_DEVICE_ID, "MFG:Other;");
        Attach(&query, &deviceIdRequest.header);
        Attach(&root, &query);
        Attach(&root, &deviceId.header);
        Attach(&root, &secondDeviceId.header);

        PrnInfoEx record = EmptyRecord();
        std::vector<PatTrayItem> trays(2);
        std::vector<PatEngineStatusItem> codes(2);
        Chain(trays);
        Chain(codes);
        record.pTrayInfo = &trays[0];
        record.nTrayInfo = 2;
        record.pEngineStatus = &codes[0];
        record.nEngineStatus = 2;
        switch (loop) {
            case kReplyChildren: secondDeviceId.header.pNextSibling = &deviceId.header; break;
            case kQueryChildren: deviceIdRequest.header.pNextSibling = &deviceIdRequest.header; break;
            case kRecordTrays: CloseLoop(record.pTrayInfo); break;
            case kRecordEngineStatus: CloseLoop(record.pEngineStatus); break;
        }
        const PrnInfoEx before = record;
        pat.setLastError(0);
        EXPECT_EQ(pat.setCentroDataTo(&root, 0, &record, PAT_PJL_INTERFACE_VERSION), 0);
        EXPECT_EQ(pat.lastError(), 87u);
        EXPECT_EQ(memcmp(&before, &record, sizeof record), 0);
    }
}

// Peripheral information adds to or rebuilds the record's lists; a list that
// loops is refused before any of them changes.
inline void PMInfoRefusesEndlessRecordLists(const WalkExports &pat) {
    PatPMEngineStatusEntry entry;
    memset(&entry, 0, sizeof entry);
    entry.dwCode = 10001;
    void *entries[] = {&entry};
    PatPMList list = {1, entries};
    PatPMInfoE info;
    memset(&info, 0, sizeof info);
    info.pEngineStatus = &list;
    PrnInfoEx record = EmptyRecord();
    std::vector<PatEngineStatusItem> codes(2);
    Chain(codes);
    record.pEngineStatus = &codes[0];
    record.nEngineStatus = 2;
    CloseLoop(record.pEngineStatus);
    const PrnInfoEx before = record;
    pat.setLastError(0);
    EXPECT_EQ(pat.pmInfoToPrnInfoEx(PAT_SOURCE_8, &info, 'f', 0xFFFFFFFFu, &record), 0);
    EXPECT_EQ(pat.lastError(), 87u);
    EXPECT_EQ(memcmp(&before, &record, sizeof record), 0);
}

}  // namespace endless_input

// The cases as tests of one suite, for a runner that supplies the exports.
#define PAT_ENDLESS_INPUT_TESTS(Suite, exports)                                                        \
    TEST(Suite, StatusExportsRefuseEndlessInput) { endless_input::StatusExportsRefuseEndlessInput(exports); } \
    TEST(Suite, BasicRecordRefusesEndlessOptions) { endless_input::BasicRecordRefusesEndlessOptions(exports); } \
    TEST(Suite, ChainCeilingIsExact) { endless_input::ChainCeilingIsExact(exports); }                  \
    TEST(Suite, QueryRefusesEndlessTrays) { endless_input::QueryRefusesEndlessTrays(exports); }        \
    TEST(Suite, CentroDataRefusesEndlessInput) { endless_input::CentroDataRefusesEndlessInput(exports); } \
    TEST(Suite, PMInfoRefusesEndlessRecordLists) { endless_input::PMInfoRefusesEndlessRecordLists(exports); }
