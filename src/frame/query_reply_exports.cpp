// The PJL exports: the queries a host sends and the reading of the printer's reply.
#include "export_gate.h"
#include "pjl/centro_data.h"
#include "pjl/query_tree.h"

// PatCreateQueryInfo: the PJL query tree for a printer.
extern "C" PatInfoNode *PATAPI PatCreateQueryInfo(PrnInfoEx *pPrnInfoEx, uint32_t dwInterfaceVersion,
                                                  uint32_t dwItemFlags) {
    if (pPrnInfoEx == nullptr || !InterfaceVersionIs(dwInterfaceVersion, PAT_PJL_INTERFACE_VERSION)) {
        return FailWithNull<PatInfoNode>(PAT_ERROR_INVALID_PARAMETER);
    }
    PatInfoNode *root = nullptr;
    const uint32_t error = BuildQueryTree(pPrnInfoEx, dwItemFlags, &root);
    SetLastError(error);
    return root;
}

// PatCreateEmulUniqQueryInfo: the PJL query for emulation-specific information.
extern "C" PatInfoNode *PATAPI PatCreateEmulUniqQueryInfo(uint32_t dwFirst, uint32_t dwInterfaceVersion,
                                                          uint32_t dwEmulation, uint32_t dwFourth) {
    (void)dwFourth;
    if (dwFirst == 0 || !InterfaceVersionIs(dwInterfaceVersion, PAT_PJL_INTERFACE_VERSION)) {
        return FailWithNull<PatInfoNode>(PAT_ERROR_INVALID_PARAMETER);
    }
    PatInfoNode *root = nullptr;
    const uint32_t error = BuildEmulUniqQueryTree(dwEmulation, &root);
    SetLastError(error);
    return root;
}

// PatSetCentroDataTo: a PJL reply and device ID into a printer record.
extern "C" PatBool PATAPI PatSetCentroDataTo(PatInfoNode *pReplyRoot, uint32_t dwUnused, PrnInfoEx *pPrnInfoEx,
                                             uint32_t dwInterfaceVersion) {
    (void)dwUnused;
    if (pReplyRoot == nullptr || pPrnInfoEx == nullptr ||
        !InterfaceVersionIs(dwInterfaceVersion, PAT_PJL_INTERFACE_VERSION)) {
        return FailWith(PAT_ERROR_INVALID_PARAMETER);
    }
    const uint32_t error = SetCentroData(pReplyRoot, pPrnInfoEx);
    return error == 0 ? SucceedWith(1) : FailWith(error);
}
