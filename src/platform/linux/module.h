// The module handle of this library in the Linux build.
#pragma once

#include "win32_subset.h"

HMODULE PlatformThisModule();
// The language that LANG_NEUTRAL/SUBLANG_DEFAULT stands for: the user's default.
LANGID PlatformUserDefaultLanguage();
