// Opening the library as a host does: patmodel.dll, or libpatmodel.so from
// the program's own folder, and reaching its exports by name.
#pragma once

// Null when the library cannot be loaded.
void *OpenPatLibrary();

// Null when the library has no such export.
void *PatLibrarySymbol(void *library, const char *name);

// The file name the host looks for, for messages.
const char *PatLibraryName();
