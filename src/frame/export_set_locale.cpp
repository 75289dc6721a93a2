// PatSetLocale: chooses the language of every text the library hands out.
#include "export_gate.h"

extern "C" PatBool PATAPI PatSetLocale(const char *pszLanguage) {
    if (pszLanguage == nullptr) return FailWith(PAT_ERROR_INVALID_PARAMETER);
    return FailWith(PAT_ERROR_CALL_NOT_IMPLEMENTED);
}
