#include "SpecialFile.h"

#include <sys/stat.h>

#include <filesystem>

bool makeSpecialFile(const std::string& path) { return mkfifo(path.c_str(), 0600) == 0; }

bool makeSymlink(const std::string& target, const std::string& link) {
    std::filesystem::create_symlink(target, link);
    return true;
}
