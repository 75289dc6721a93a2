#include "dll_fixture.h"

HMODULE PatDll() {
    static HMODULE module = LoadLibraryA("patmodel.dll");
    return module;
}
