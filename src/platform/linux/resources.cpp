// Resource lookup in the generated tables, with the Win32 results and errors.
#include <strings.h>

#include "module.h"
#include "resource_table.h"

namespace {

bool TypeMatches(const PlatformResourceEntry &entry, LPCSTR type) {
    return IS_INTRESOURCE(type) && entry.typeId == static_cast<uint16_t>(reinterpret_cast<uintptr_t>(type));
}

bool NameMatches(const PlatformResourceEntry &entry, LPCSTR name) {
    if (IS_INTRESOURCE(name)) {
        return entry.name == nullptr && entry.id == static_cast<uint16_t>(reinterpret_cast<uintptr_t>(name));
    }
    // Resource names are case-insensitive, as the Windows loader treats them.
    return entry.name != nullptr && strcasecmp(entry.name, name) == 0;
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
    bool typeSeen = false, nameSeen = false;
    for (const PlatformResourceEntry *entry = kPlatformResources; entry->data != nullptr; ++entry) {
        if (!TypeMatches(*entry, type)) continue;
        typeSeen = true;
        if (!NameMatches(*entry, name)) continue;
        nameSeen = true;
        if (language == 0xFFFFu || entry->language == language) return entry;
    }
    SetLastError(!typeSeen ? ERROR_RESOURCE_TYPE_NOT_FOUND
                 : !nameSeen ? ERROR_RESOURCE_NAME_NOT_FOUND
                             : ERROR_RESOURCE_LANG_NOT_FOUND);
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
