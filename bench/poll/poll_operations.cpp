#include "poll_operations.h"

#include <string.h>

#include <string>

#include "bench_printer.h"
#include "library/info_trees.h"
#include "library/library_calls.h"
#include "library/poll_cycle.h"
#include "status_info_tree.h"

namespace {

// Query, interpretation of the full reply with the device ID, the short and
// the long status text, the picture's bitmap info and its disposal, and the
// record cleared again.
class WholePollCycle : public OperationFixture {
public:
    bool Call() override {
        const PolledPrinter &printer = BenchPrinter();
        PrnInfoEx record = EmptyRecord();
        Query query;
        bool done = BuildQuery(kExports, &record, kDefaultQueryFlags, &query) == 0 &&
                    InterpretReply(kExports, &query, printer.reply, &printer.deviceId, &record) == 0;
        if (done) {
            StatusInfoTree tree(kBenchSource, &record);
            done = FetchStatusString(kExports, kBenchSource, tree.Root(), PAT_TEXT_FORM_SHORT, &text_) == 0 &&
                   FetchStatusString(kExports, kBenchSource, tree.Root(), PAT_TEXT_FORM_LONG, &text_) == 0 &&
                   PatDisposeBitmapInfo(PatCreateBitmapInfo(kBenchSource, tree.Root(), PAT_STATUS_INTERFACE_VERSION));
        }
        ReleaseRecord(kExports, &record);
        return done;
    }

private:
    std::string text_;  // kept between cycles, as a host keeps its buffers
};

class CreateQueryInfo : public OperationFixture {
public:
    bool Call() override {
        PatInfoNode *query = PatCreateQueryInfo(record_.Get(), PAT_PJL_INTERFACE_VERSION, kDefaultQueryFlags);
        FreeInfoTree(kExports, query);
        return query != nullptr;
    }

private:
    PolledRecord record_;
};

class CreateEmulUniqQueryInfo : public OperationFixture {
public:
    bool Call() override {
        PatInfoNode *query = PatCreateEmulUniqQueryInfo(1, PAT_PJL_INTERFACE_VERSION, 15, 0);
        FreeInfoTree(kExports, query);
        return query != nullptr;
    }
};

// The full reply and the device ID into a record that already holds them,
// as every poll after the first does; with the query attached (kChecked) the
// library first makes sure every question has its answer.
template <bool kChecked>
class SetCentroDataTo : public OperationFixture {
public:
    SetCentroDataTo() {
        const PolledPrinter &printer = BenchPrinter();
        if (kChecked) {
            AttachInfoNode(root_, PatCreateQueryInfo(record_.Get(), PAT_PJL_INTERFACE_VERSION, kDefaultQueryFlags));
        }
        NewInfoNode(kExports, root_, PAT_NODE_PJL_TEXT, printer.reply.c_str(), printer.reply.size() + 1);
        NewInfoNode(kExports, root_, PAT_NODE_DEVICE_ID, printer.deviceId.c_str(), printer.deviceId.size() + 1);
    }
    ~SetCentroDataTo() override { FreeInfoTree(kExports, root_); }

    bool Call() override { return PatSetCentroDataTo(root_, 0, record_.Get(), PAT_PJL_INTERFACE_VERSION); }

private:
    PolledRecord record_;
    PatInfoNode *root_ = NewInfoNode(kExports, nullptr, PAT_TREE_REPLY_ROOT, nullptr, 0);
};

// The status tree of a polled record, as a host hands it to the status exports.
class PolledStatusTree : public OperationFixture {
protected:
    PatInfoNode *Root() { return tree_.Root(); }

private:
    PolledRecord record_;
    StatusInfoTree tree_{kBenchSource, record_.Get()};
};

template <uint32_t kForm>
class GetStatusString : public PolledStatusTree {
public:
    bool Call() override {
        uint32_t length = sizeof text_;
        return PatGetStatusString(kBenchSource, Root(), PAT_STATUS_INTERFACE_VERSION, kForm, text_, &length);
    }

private:
    char text_[512];
};

class CreateAndDisposeBitmapInfo : public PolledStatusTree {
public:
    bool Call() override {
        return PatDisposeBitmapInfo(PatCreateBitmapInfo(kBenchSource, Root(), PAT_STATUS_INTERFACE_VERSION));
    }
};

const uint32_t kFinisherOptionId = 838;
// Indexed by kind - 1: a tray, an output bin (both by name) and an option (by id).
const void *const kDeviceNames[] = {"Bypass Tray", "Finisher Shift Tray", &kFinisherOptionId};
const uint32_t kDeviceNameChecks[] = {PAT_CHECK_NAMED_DEVICE, PAT_CHECK_NAMED_DEVICE, PAT_CHECK_OPTION};

template <uint32_t kKind>
class GetDeviceName : public OperationFixture {
public:
    bool Call() override {
        uint32_t length = sizeof text_;
        return PatGetDeviceName(kKind, kDeviceNames[kKind - 1], kDeviceNameChecks[kKind - 1], text_, &length);
    }

private:
    char text_[256];
};

class SetLocale : public OperationFixture {
public:
    ~SetLocale() override { PatSetLocale("EN"); }
    bool Call() override { return PatSetLocale("zh_cn"); }
};

class LoadBitmap : public OperationFixture {
public:
    bool Call() override { return PatLoadBitmap("BM_POINT_7") != nullptr; }
};

class LoadDIBitmap : public OperationFixture {
public:
    bool Call() override { return PatLoadDIBitmap("BM_BASE") != nullptr; }
};

// This family has no palette: the answer is an error.
class GetPalette : public OperationFixture {
public:
    bool Call() override {
        uint32_t size = 0;
        return !PatGetPalette(nullptr, &size);
    }
};

class GetDllVersion : public OperationFixture {
public:
    bool Call() override {
        PatVersionInfo version = {};
        version.dwSize = sizeof version;
        return PatGetDllVersion(&version);
    }
};

class GetPeripheralProfile : public OperationFixture {
public:
    bool Call() override {
        PatPeripheralProfile profile;
        uint32_t length = sizeof profile;
        return PatGetPeripheralProfile(kBenchSource, &profile, &length);
    }
};

class GetStatusHelpFileName : public OperationFixture {
public:
    bool Call() override {
        uint32_t length = sizeof text_;
        return PatGetStatusHelpFileName(kBenchSource, record_.Get(), 0, text_, &length);
    }

private:
    PolledRecord record_;
    char text_[260];
};

class PrnInfoExToPrnInfo : public OperationFixture {
public:
    bool Call() override { return PatPrnInfoExToPrnInfo(record_.Get(), &basic_, 0xFFFFFFFFu); }

private:
    PolledRecord record_;
    PrnInfo basic_ = {};
};

// Source type 1 with its status word and two engine statuses; the engine
// status list is rebuilt by every call.
class PMInfoToPrnInfoEx : public OperationFixture {
public:
    PMInfoToPrnInfoEx() {
        memset(&info_, 0, sizeof info_);
        info_.pStatus = &status_;
        info_.pEngineStatus = &engineStatus_;
    }
    ~PMInfoToPrnInfoEx() override { ReleaseRecord(kExports, &record_); }

    bool Call() override { return PatPMInfoToPrnInfoEx(kBenchSource, &info_, 'd', 0x3, &record_); }

private:
    PatPMStatusBlock status_ = {0x00000081};
    PatPMEngineStatusEntry jam_ = {0, 42001, "Paper Misfeed", 3};
    PatPMEngineStatusEntry toner_ = {0, 10073, "Toner almost empty", 1};
    void *entries_[2] = {&jam_, &toner_};
    PatPMList engineStatus_ = {2, entries_};
    PatPMInfoD info_;
    PrnInfoEx record_ = EmptyRecord();
};

template <typename Fixture>
std::unique_ptr<OperationFixture> SetUp() {
    return std::make_unique<Fixture>();
}

}  // namespace

const std::vector<PollOperation> &PollOperations() {
    static const std::vector<PollOperation> operations = {
        {"WholePollCycle", "Whole poll cycle: query, reply and device ID read, short and long status text, "
                           "bitmap info created and disposed, record cleared",
         SetUp<WholePollCycle>},
        {"CreateQueryInfo", "PatCreateQueryInfo, every flag, five trays", SetUp<CreateQueryInfo>},
        {"CreateEmulUniqQueryInfo", "PatCreateEmulUniqQueryInfo", SetUp<CreateEmulUniqQueryInfo>},
        {"SetCentroDataTo/checked:1", "PatSetCentroDataTo, full reply and device ID, query attached",
         SetUp<SetCentroDataTo<true>>},
        {"SetCentroDataTo/checked:0", "PatSetCentroDataTo, the same without the query (no completeness check)",
         SetUp<SetCentroDataTo<false>>},
        {"GetStatusString/form:1", "PatGetStatusString, short text", SetUp<GetStatusString<PAT_TEXT_FORM_SHORT>>},
        {"GetStatusString/form:2", "PatGetStatusString, long text", SetUp<GetStatusString<PAT_TEXT_FORM_LONG>>},
        {"CreateAndDisposeBitmapInfo", "PatCreateBitmapInfo + PatDisposeBitmapInfo (4 bitmaps, 3 masks)",
         SetUp<CreateAndDisposeBitmapInfo>},
        {"GetDeviceName/kind:1", "PatGetDeviceName, tray", SetUp<GetDeviceName<PAT_DEVICE_NAME_TRAY>>},
        {"GetDeviceName/kind:2", "PatGetDeviceName, output bin", SetUp<GetDeviceName<PAT_DEVICE_NAME_OUTPUT_BIN>>},
        {"GetDeviceName/kind:3", "PatGetDeviceName, option", SetUp<GetDeviceName<PAT_DEVICE_NAME_OPTION>>},
        {"SetLocale", "PatSetLocale", SetUp<SetLocale>},
        {"LoadBitmap", "PatLoadBitmap", SetUp<LoadBitmap>},
        {"LoadDIBitmap", "PatLoadDIBitmap", SetUp<LoadDIBitmap>},
        {"GetPalette", "PatGetPalette (this family has none: the error path)", SetUp<GetPalette>},
        {"GetDllVersion", "PatGetDllVersion (reads the library's file)", SetUp<GetDllVersion>},
        {"GetPeripheralProfile", "PatGetPeripheralProfile", SetUp<GetPeripheralProfile>},
        {"GetStatusHelpFileName", "PatGetStatusHelpFileName", SetUp<GetStatusHelpFileName>},
        {"PrnInfoExToPrnInfo", "PatPrnInfoExToPrnInfo, every flag", SetUp<PrnInfoExToPrnInfo>},
        {"PMInfoToPrnInfoEx", "PatPMInfoToPrnInfoEx, source type 1, status word and two engine statuses",
         SetUp<PMInfoToPrnInfoEx>},
    };
    return operations;
}

const PollOperation *FindPollOperation(const char *name) {
    for (const PollOperation &operation : PollOperations()) {
        if (strcmp(operation.name, name) == 0) return &operation;
    }
    return nullptr;
}
