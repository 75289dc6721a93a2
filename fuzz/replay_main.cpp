// Runs a fuzz target over files and folders of inputs, without libFuzzer:
// the seed corpus as a regression test in the ordinary builds.
// 64-bit file offsets: a 32-bit readdir fails on large inode numbers otherwise.
#define _FILE_OFFSET_BITS 64

#include <dirent.h>
#include <errno.h>
#include <stdint.h>
#include <stdio.h>
#include <sys/stat.h>

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

bool ReadFile(const std::string &path, std::vector<uint8_t> *bytes) {
    FILE *file = fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    uint8_t chunk[4096];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, file)) > 0) bytes->insert(bytes->end(), chunk, chunk + n);
    fclose(file);
    return true;
}

int Replay(const std::string &path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    if (!S_ISDIR(info.st_mode)) {
        std::vector<uint8_t> bytes;
        if (!ReadFile(path, &bytes)) return 1;
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        return 0;
    }
    DIR *dir = opendir(path.c_str());
    if (dir == nullptr) return 1;
    int failures = 0;
    int files = 0;
    bool listed = true;
    for (;;) {
        errno = 0;
        const dirent *entry = readdir(dir);
        if (entry == nullptr) {
            listed = errno == 0;
            break;
        }
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        failures += Replay(path + "/" + name);
        ++files;
    }
    closedir(dir);
    printf("%s: %d inputs\n", path.c_str(), files);
    if (!listed || files == 0) {
        fprintf(stderr, "%s: no inputs read\n", path.c_str());
        return failures + 1;
    }
    return failures;
}

}  // namespace

int main(int argc, char **argv) {
    int failures = 0;
    for (int i = 1; i < argc; ++i) failures += Replay(argv[i]);
    return failures == 0 ? 0 : 1;
}
