// Resource lookup in the generated tables, with the Win32 results and errors.
#include "module.h"
#include "resource_table.h"

namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Resource names are case-insensitive, as the Windows loader treats them:
// in ASCII only, whatever the C library's locale.  Most names differ within
// their first few characters, so a loop here beats a call per name.
bool SameNameIgnoringCase(const char *a, const char *b) {
    for (;; ++a, ++b) {
        if (*a != *b && AsciiUpper(*a) != AsciiUpper(*b)) return false;
        if (*a == '\0') return true;
    }
}

bool NameMatches(const PlatformResourceEntry &entry, LPCSTR name) {
    if (IS_INTRESOURCE(name)) {
        return entry.name == nullptr && entry.id == static_cast<uint16_t>(reinterpret_cast<uintptr_t>(name));
    }
    return entry.name != nullptr && SameNameIgnoringCase(entry.name, name);
}

// The entries of a numeric type; none for a named type or one the library lacks.
const PlatformResourceType *EntriesOfType(LPCSTR type) {
    if (!IS_INTRESOURCE(type)) return nullptr;
    const uint16_t typeId = static_cast<uint16_t>(reinterpret_cast<uintptr_t>(type));
    for (const PlatformResourceType *span = kPlatformResourceTypes; span->typeId != 0; ++span) {
        if (span->typeId == typeId) return span;
    }
    return nullptr;
}

LANGID ResolveLanguage(WORD language) {
    return language == MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT) ? PlatformUserDefaultLanguage() : language;
}

// Finds a resource; language 0xFFFF means any language.
HRSRC Find(HMODULE module, LPCSTR type, LPCSTR name, unsigned language) {
    if (module != PlatformThisModule() || name == nullptr || type == nullptr) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    const PlatformResourceType *span = EntriesOfType(type);
    if (span == nullptr) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    bool nameSeen = false;
    const PlatformResourceEntry *first = kPlatformResources + span->first;
    for (const PlatformResourceEntry *entry = first; entry != first + span->count; ++entry) {
        if (!NameMatches(*entry, name)) continue;
        nameSeen = true;
        if (language == 0xFFFFu || entry->language == language) return entry;
    }
    SetLastError(nameSeen ? ERROR_RESOURCE_LANG_NOT_FOUND : ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

}  // namespace

extern "C" HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
    return Find(hModule, lpType, lpName, 0xFFFFu);
}

extern "C" HRSRC WINAPI FindResourceExA(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD wLanguage) {
    return Find(hModule, lpType, lpName, ResolveLanguage(wLanguage));
}

extern "C" HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo) {
    if (hModule != PlatformThisModule() || hResInfo == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return const_cast<uint8_t *>(hResInfo->data);
}

extern "C" LPVOID WINAPI LockResource(HGLOBAL hResData) { return hResData; }

extern "C" DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo) {
    if (hModule != PlatformThisModule() || hResInfo == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return hResInfo->size;
}

// On Linux a bitmap handle is an opaque token for the packed bitmap in the
// library; hosts that need the pixels use the packed bitmap itself.
extern "C" HBITMAP WINAPI LoadBitmapA(HINSTANCE hInstance, LPCSTR lpBitmapName) {
    HRSRC found = Find(hInstance, RT_BITMAP, lpBitmapName, 0xFFFFu);
    if (found == nullptr) return nullptr;
    return reinterpret_cast<HBITMAP>(const_cast<uint8_t *>(found->data));
}
