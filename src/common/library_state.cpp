#include "common/library_state.h"

namespace {
HMODULE g_module = nullptr;
// Neutral language, default sublanguage: the platform's user default.
WORD g_language = MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT);
}  // namespace

HMODULE LibraryModule() { return g_module; }

#if !defined(_WIN32)
#include "platform/linux/module.h"
// The Linux build attaches when its code is loaded, as a DLL does at process attach.
namespace {
__attribute__((constructor)) void AttachToProcess() { LibraryAttach(PlatformThisModule()); }
}  // namespace
#endif
void LibraryAttach(HMODULE module) { g_module = module; }

WORD CurrentLanguage() { return g_language; }
void SetCurrentLanguage(WORD language) { g_language = language; }
