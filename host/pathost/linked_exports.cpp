#include "linked_exports.h"

// The Linux library provides the global heap and the last error under
// their Windows names.
extern "C" {
uint32_t PATAPI GetLastError(void);
void *PATAPI GlobalAlloc(uint32_t flags, uint32_t bytes);
void *PATAPI GlobalFree(void *block);
}

namespace {

template <typename Target, typename Source>
void Set(Target *target, Source source) {
    *target = reinterpret_cast<Target>(source);
}

}  // namespace

PatExports LinkedExports() {
    PatExports e;
    Set(&e.CreateBitmapInfo, PatCreateBitmapInfo);
    Set(&e.DisposeBitmapInfo, PatDisposeBitmapInfo);
    Set(&e.GetStatusString, PatGetStatusString);
    Set(&e.GetDeviceName, PatGetDeviceName);
    Set(&e.CreateQueryInfo, PatCreateQueryInfo);
    Set(&e.SetCentroDataTo, PatSetCentroDataTo);
    Set(&e.GetDllVersion, PatGetDllVersion);
    Set(&e.GetPeripheralProfile, PatGetPeripheralProfile);
    Set(&e.SetLocale, PatSetLocale);
    Set(&e.LoadDIBitmap, PatLoadDIBitmap);
    Set(&e.GetLastError, GetLastError);
    Set(&e.GlobalAlloc, GlobalAlloc);
    Set(&e.GlobalFree, GlobalFree);
    return e;
}
