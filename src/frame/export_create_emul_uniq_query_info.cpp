// PatCreateEmulUniqQueryInfo: the PJL query for emulation-specific information.
#include "export_gate.h"
#include "pjl/query_tree.h"

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
