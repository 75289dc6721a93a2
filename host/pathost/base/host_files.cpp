#include "base/host_files.h"

#include <fstream>
#include <sstream>

bool ReadWholeFile(const std::string &path, std::string *content) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream text;
    text << file.rdbuf();
    *content = text.str();
    return true;
}

bool WriteWholeFile(const std::string &path, const std::string &content) {
    std::ofstream file(path, std::ios::binary);
    file << content;
    return static_cast<bool>(file.flush());
}
