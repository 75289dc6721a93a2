// libpatmodel.so as a host sees it: loaded with dlopen, reached by name only.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "pat.h"
#include "support/endless_input_cases.h"

namespace {

std::string g_libraryPath;

class LinuxExports : public testing::Test {
protected:
    static void SetUpTestSuite() {
        handle_ = dlopen(g_libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
    }
    static void TearDownTestSuite() {
        if (handle_ != nullptr) dlclose(handle_);
    }
    template <typename F>
    static F Get(const char *name) {
        return reinterpret_cast<F>(dlsym(handle_, name));
    }
    static void *handle_;
};
void *LinuxExports::handle_ = nullptr;

TEST_F(LinuxExports, EveryExportAndTheHeapCallsAreReachableByName) {
    const char *names[] = {"PatCreateBitmapInfo", "PatDisposeBitmapInfo", "PatLoadBitmap",
                           "PatGetStatusString", "PatGetDeviceName", "PatPMInfoToPrnInfoEx",
                           "PatPrnInfoExToPrnInfo", "PatCreateQueryInfo", "PatCreateEmulUniqQueryInfo",
                           "PatSetCentroDataTo", "PatGetDllVersion", "PatGetPeripheralProfile",
                           "PatSetLocale", "PatGetStatusHelpFileName", "PatLoadDIBitmap",
                           "PatGetPalette", "GetLastError", "SetLastError", "GlobalAlloc",
                           "GlobalFree", "GlobalSize"};
    for (const char *name : names) EXPECT_NE(dlsym(handle_, name), nullptr) << name;
    EXPECT_EQ(dlsym(handle_, "CreateInfoNode"), nullptr) << "internal names must stay hidden";
    EXPECT_EQ(dlsym(handle_, "GlobalReAlloc"), nullptr);
}

TEST_F(LinuxExports, VersionAndLastErrorThroughTheLibrary) {
    auto getVersion = Get<PatBool(PATAPI *)(PatVersionInfo *)>("PatGetDllVersion");
    auto getLastError = Get<uint32_t(PATAPI *)()>("GetLastError");
    auto setLastError = Get<void(PATAPI *)(uint32_t)>("SetLastError");
    PatVersionInfo record = {};
    record.dwSize = 32;
    setLastError(5);
    ASSERT_EQ(getVersion(&record), 1);
    EXPECT_EQ(getLastError(), 0u);
    EXPECT_EQ(record.dwFileVersion, 0x01000000u);
    EXPECT_EQ(record.dwFixed1, 0x02000100u);
    EXPECT_EQ(record.dwFixed2, 0x03060000u);
    record.dwSize = 31;
    EXPECT_EQ(getVersion(&record), 0);
    EXPECT_EQ(getLastError(), 87u);
}

TEST_F(LinuxExports, GlobalHeapRoundTrip) {
    auto alloc = Get<void *(PATAPI *)(uint32_t, uint32_t)>("GlobalAlloc");
    auto size = Get<uint32_t(PATAPI *)(void *)>("GlobalSize");
    auto release = Get<void *(PATAPI *)(void *)>("GlobalFree");
    void *block = alloc(0x40, 100);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(size(block), 100u);
    EXPECT_EQ(static_cast<uint8_t *>(block)[99], 0);
    EXPECT_EQ(release(block), nullptr);
}

template <typename F>
void Resolve(void *library, const char *name, F *function) {
    *function = reinterpret_cast<F>(dlsym(library, name));
}

const WalkExports &LoadedExports() {
    static const WalkExports exports = [] {
        WalkExports e = {};
        void *library = dlopen(g_libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr) return e;
        Resolve(library, "PatCreateBitmapInfo", &e.createBitmapInfo);
        Resolve(library, "PatDisposeBitmapInfo", &e.disposeBitmapInfo);
        Resolve(library, "PatGetStatusString", &e.getStatusString);
        Resolve(library, "PatGetStatusHelpFileName", &e.getStatusHelpFileName);
        Resolve(library, "PatPMInfoToPrnInfoEx", &e.pmInfoToPrnInfoEx);
        Resolve(library, "PatPrnInfoExToPrnInfo", &e.prnInfoExToPrnInfo);
        Resolve(library, "PatCreateQueryInfo", &e.createQueryInfo);
        Resolve(library, "PatSetCentroDataTo", &e.setCentroDataTo);
        static uint32_t(PATAPI * getLastError)();
        static void(PATAPI * setLastError)(uint32_t);
        Resolve(library, "GetLastError", &getLastError);
        Resolve(library, "SetLastError", &setLastError);
        e.lastError = [] { return getLastError(); };
        e.setLastError = [](uint32_t error) { setLastError(error); };
        return e;
    }();
    return exports;
}

PAT_ENDLESS_INPUT_TESTS(EndlessInput, LoadedExports())

}  // namespace

int main(int argc, char **argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: export_tests PATH/libpatmodel.so\n");
        return 2;
    }
    g_libraryPath = argv[1];
    return RUN_ALL_TESTS();
}
