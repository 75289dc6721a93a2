// Whole files, as pathost reads and writes them: captured replies, device
// IDs, pictures.
#pragma once

#include <string>

// The whole content of a file; false when it cannot be read.
bool ReadWholeFile(const std::string &path, std::string *content);
// False when the file cannot be written.
bool WriteWholeFile(const std::string &path, const std::string &content);
