// The library's text exports as the host uses them: a buffer of the usual
// size first, a second call with the size the library asks for when that
// is too small.  Texts come back as the library gives them, in the ANSI code
// page of the current language.
#pragma once

#include <stdint.h>

#include <string>

#include "library/pat_exports.h"

// Each returns 0, or the library's error code with *text empty.
uint32_t FetchDeviceName(const PatExports &exports, uint32_t kind, const void *name, std::string *text);
uint32_t FetchStatusString(const PatExports &exports, uint32_t sourceType, PatInfoNode *statusTree,
                           uint32_t form, std::string *text);
