#include "library/linked_exports.h"

// The global heap and the last error: kernel32's on Windows, and under the
// same names libpatmodel.so's own on Linux (declared in pat.h).
#if defined(_WIN32)
#include <windows.h>
#endif

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
