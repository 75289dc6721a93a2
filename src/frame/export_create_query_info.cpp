// PatCreateQueryInfo: the PJL query tree for a printer.
#include "export_gate.h"
#include "pjl/query_tree.h"

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
