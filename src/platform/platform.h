// The one door to the operating system.  On Windows it is <windows.h>; on
// Linux it is the small Win32 subset in linux/win32_subset.h, implemented in
// linux/*.cpp.  Library code includes this header and nothing OS-specific.
#pragma once

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include "linux/win32_subset.h"
#endif
