/* Refers to every export as a host's compiler does, so that the symbols it
 * leaves undefined are the names a linker must find in an import library. */
#include "pat.h"

typedef void (*pat_any_function)(void);

pat_any_function pat_every_export[] = {
    (pat_any_function)PatCreateBitmapInfo,     (pat_any_function)PatDisposeBitmapInfo,
    (pat_any_function)PatLoadBitmap,           (pat_any_function)PatGetStatusString,
    (pat_any_function)PatGetDeviceName,        (pat_any_function)PatPMInfoToPrnInfoEx,
    (pat_any_function)PatPrnInfoExToPrnInfo,   (pat_any_function)PatCreateQueryInfo,
    (pat_any_function)PatCreateEmulUniqQueryInfo, (pat_any_function)PatSetCentroDataTo,
    (pat_any_function)PatGetDllVersion,        (pat_any_function)PatGetPeripheralProfile,
    (pat_any_function)PatSetLocale,            (pat_any_function)PatGetStatusHelpFileName,
    (pat_any_function)PatLoadDIBitmap,         (pat_any_function)PatGetPalette,
};
