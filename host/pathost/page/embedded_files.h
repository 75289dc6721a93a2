// Files compiled into the program (tools/gen_embedded_files.py): the status
// page's HTML, style and script.
#pragma once

#include <stddef.h>

#include <string>

struct EmbeddedFile {
    const char *name;  // the file's name, "status.js"
    const char *bytes;
    size_t size;
};

// The status page's files; the list ends with a null name.
extern const EmbeddedFile kStatusPageFiles[];

// The file of that name, or null.
const EmbeddedFile *FindEmbeddedFile(const EmbeddedFile *files, const std::string &name);
