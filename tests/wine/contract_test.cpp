// The DLL's contract with its host: names, ordinals, and the exports that
// describe the library.
#include <gtest/gtest.h>

#include <string.h>

#include <set>
#include <string>

#include "dll_fixture.h"

namespace {

struct ExportRow {
    const char *name;
    WORD ordinal;
};

const ExportRow kExports[] = {
    {"PatCreateBitmapInfo", 2},       {"PatDisposeBitmapInfo", 3},   {"PatLoadBitmap", 4},
    {"PatGetStatusString", 5},        {"PatGetDeviceName", 6},       {"PatPMInfoToPrnInfoEx", 7},
    {"PatPrnInfoExToPrnInfo", 8},     {"PatCreateQueryInfo", 9},     {"PatCreateEmulUniqQueryInfo", 10},
    {"PatSetCentroDataTo", 11},       {"PatGetDllVersion", 12},      {"PatGetPeripheralProfile", 13},
    {"PatSetLocale", 14},             {"PatGetStatusHelpFileName", 15}, {"PatLoadDIBitmap", 16},
    {"PatGetPalette", 17},
};

// The export directory's name table, read from the loaded image.
std::set<std::string> ExportedNames(HMODULE module) {
    const BYTE *base = reinterpret_cast<const BYTE *>(module);
    const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
    const auto *nt = reinterpret_cast<const IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY &dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    const auto *exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY *>(base + dir.VirtualAddress);
    const auto *names = reinterpret_cast<const DWORD *>(base + exports->AddressOfNames);
    std::set<std::string> out;
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) out.insert(reinterpret_cast<const char *>(base + names[i]));
    return out;
}

TEST(Contract, EveryExportByNameAndOrdinalIsTheSameFunction) {
    HMODULE dll = PatDll();
    ASSERT_NE(dll, nullptr) << "LoadLibraryA failed: " << GetLastError();
    for (const ExportRow &row : kExports) {
        FARPROC byName = GetProcAddress(dll, row.name);
        FARPROC byOrdinal = GetProcAddress(dll, MAKEINTRESOURCEA(row.ordinal));
        EXPECT_NE(byName, nullptr) << row.name;
        EXPECT_EQ(byName, byOrdinal) << row.name << " @" << row.ordinal;
    }
    EXPECT_EQ(GetProcAddress(dll, MAKEINTRESOURCEA(1)), nullptr);
    EXPECT_EQ(GetProcAddress(dll, MAKEINTRESOURCEA(18)), nullptr);
}

TEST(Contract, NoOtherNamesAreExported) {
    std::set<std::string> expected;
    for (const ExportRow &row : kExports) expected.insert(row.name);
    EXPECT_EQ(ExportedNames(PatDll()), expected);
}

TEST(Contract, DllVersionThroughTheVersionApi) {
    auto getVersion = PatExport<PatBool(WINAPI *)(PatVersionInfo *)>("PatGetDllVersion");
    uint32_t record[10];
    memset(record, 0xAA, sizeof record);
    record[0] = 40;
    SetLastError(77);
    ASSERT_EQ(getVersion(reinterpret_cast<PatVersionInfo *>(record)), 1);
    EXPECT_EQ(GetLastError(), 0u);
    const uint32_t expected[8] = {40, 0x01000000u, 0x02000100u, 0x03060000u, 0, 0, 0, 0};
    EXPECT_EQ(memcmp(record, expected, sizeof expected), 0);
    EXPECT_EQ(record[8], 0xAAAAAAAAu);
    record[0] = 31;
    EXPECT_EQ(getVersion(reinterpret_cast<PatVersionInfo *>(record)), 0);
    EXPECT_EQ(GetLastError(), 87u);
}

TEST(Contract, PeripheralProfiles) {
    auto getProfile = PatExport<PatBool(WINAPI *)(uint32_t, PatPeripheralProfile *, uint32_t *)>(
        "PatGetPeripheralProfile");
    PatPeripheralProfile profile;
    uint32_t length = 20;
    ASSERT_EQ(getProfile(0x8000, &profile, &length), 1);
    const uint32_t expected[5] = {0x20000, 3, 66, 0, 0};
    EXPECT_EQ(memcmp(profile.dwWord, expected, sizeof expected), 0);
    length = 19;
    EXPECT_EQ(getProfile(0x8000, &profile, &length), 0);
    EXPECT_EQ(GetLastError(), 122u);
    EXPECT_EQ(length, 20u);
    length = 20;
    EXPECT_EQ(getProfile(0x10, &profile, &length), 0);
    EXPECT_EQ(GetLastError(), 87u);
}

TEST(Contract, VersionBlockCarriesTheFileVersionStrings) {
    char path[MAX_PATH];
    ASSERT_NE(GetModuleFileNameA(PatDll(), path, MAX_PATH), 0u);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    ASSERT_NE(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path, handle, size, &block[0]));
    char *text = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(&block[0], "\\StringFileInfo\\040904b0\\FileVersion",
                               reinterpret_cast<void **>(&text), &length));
    EXPECT_STREQ(text, "1.0.0.0");
}

}  // namespace
