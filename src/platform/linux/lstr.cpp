// Single-byte string functions.  lstrcmpA compares bytes here; the library
// uses it only for equality.
#include <string.h>

#include "win32_subset.h"

extern "C" LPSTR WINAPI lstrcpyA(LPSTR lpString1, LPCSTR lpString2) {
    if (lpString1 == nullptr || lpString2 == nullptr) return nullptr;
    return strcpy(lpString1, lpString2);
}

extern "C" LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength) {
    if (lpString1 == nullptr || lpString2 == nullptr || iMaxLength <= 0) return lpString1;
    int i = 0;
    for (; i < iMaxLength - 1 && lpString2[i] != '\0'; ++i) lpString1[i] = lpString2[i];
    lpString1[i] = '\0';
    return lpString1;
}

extern "C" LPSTR WINAPI lstrcatA(LPSTR lpString1, LPCSTR lpString2) {
    if (lpString1 == nullptr || lpString2 == nullptr) return nullptr;
    return strcat(lpString1, lpString2);
}

extern "C" int WINAPI lstrlenA(LPCSTR lpString) {
    return lpString == nullptr ? 0 : static_cast<int>(strlen(lpString));
}

extern "C" int WINAPI lstrcmpA(LPCSTR lpString1, LPCSTR lpString2) {
    if (lpString1 == nullptr || lpString2 == nullptr) {
        return lpString1 == lpString2 ? 0 : (lpString1 == nullptr ? -1 : 1);
    }
    const int r = strcmp(lpString1, lpString2);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}
