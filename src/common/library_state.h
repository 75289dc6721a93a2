// The little state kept between calls: the module handle (set at process
// attach) and the current language (set by PatSetLocale).
#pragma once

#include "platform/platform.h"

HMODULE LibraryModule();
void LibraryAttach(HMODULE module);

// Language identifier in which strings are loaded; 0x0400 until PatSetLocale.
WORD CurrentLanguage();
void SetCurrentLanguage(WORD language);
