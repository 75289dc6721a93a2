#include "page/embedded_files.h"

const EmbeddedFile *FindEmbeddedFile(const EmbeddedFile *files, const std::string &name) {
    for (const EmbeddedFile *file = files; file->name != nullptr; ++file) {
        if (name == file->name) return file;
    }
    return nullptr;
}
