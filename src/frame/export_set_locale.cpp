// PatSetLocale: chooses the language of every text the library hands out.
#include "export_gate.h"
#include "status/locale_choice.h"

extern "C" PatBool PATAPI PatSetLocale(const char *pszLanguage) {
    if (pszLanguage == nullptr) return FailWith(PAT_ERROR_INVALID_PARAMETER);
    const uint32_t error = SetLocaleByName(pszLanguage);
    if (error != PAT_OK) return FailWith(error);
    return SucceedWith(1);
}
