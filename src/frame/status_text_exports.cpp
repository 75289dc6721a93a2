// The status text exports: the language of the library's texts, the localized
// status text and its help file.
#include "export_gate.h"
#include "prninfo/record.h"
#include "status/help_file_name.h"
#include "status/locale_choice.h"
#include "status/status_text.h"

// PatGetStatusString: the localized status text.
extern "C" PatBool PATAPI PatGetStatusString(uint32_t dwSourceType, PatInfoNode *pStatusRoot,
                                             uint32_t dwInterfaceVersion, uint32_t dwTextForm,
                                             char *pszText, uint32_t *pcbText) {
    if (pStatusRoot == nullptr || pcbText == nullptr || !IsAcceptedSourceType(dwSourceType) ||
        !InterfaceVersionIs(dwInterfaceVersion, PAT_STATUS_INTERFACE_VERSION)) {
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    const uint32_t error = GetStatusString(dwSourceType, pStatusRoot, dwTextForm, pszText, pcbText);
    if (error != PAT_OK) return FailWith(error);
    return SucceedWith(1);
}

// PatGetStatusHelpFileName: the help file for the current status.
extern "C" PatBool PATAPI PatGetStatusHelpFileName(uint32_t dwSourceType, PrnInfoEx *pPrnInfoEx,
                                                   uint32_t dwIgnored, char *pszText, uint32_t *pcbText) {
    (void)dwIgnored;
    // An older record has a shorter layout; its fields cannot be read safely.
    if (pcbText == nullptr || pPrnInfoEx == nullptr || !IsAcceptedSourceType(dwSourceType) ||
        pPrnInfoEx->dwVersion < PAT_PRNINFOEX_MIN_VERSION || CheckItemChain(pPrnInfoEx->pEngineStatus) != PAT_OK) {
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    const uint32_t error = GetStatusHelpFileName(dwSourceType, pPrnInfoEx, pszText, pcbText);
    if (error != PAT_OK) return FailWith(error);
    return SucceedWith(1);
}

// PatSetLocale: chooses the language of every text the library hands out.
extern "C" PatBool PATAPI PatSetLocale(const char *pszLanguage) {
    if (pszLanguage == nullptr) return FailWith(PAT_ERROR_INVALID_PARAMETER);
    const uint32_t error = SetLocaleByName(pszLanguage);
    if (error != PAT_OK) return FailWith(error);
    return SucceedWith(1);
}
