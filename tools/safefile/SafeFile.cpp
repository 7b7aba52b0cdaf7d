#include "SafeFile.h"

#include "TemporaryFile.h"

#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

bool existsAlready(const std::string& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

bool writeThroughTemporary(const std::string& path, const std::function<bool(const std::string&)>& write,
                           std::string& error) {
    const fs::path target(path);
    const std::string extension = target.extension().string();
    // Hidden, beside the target (a rename never crosses file systems), unique, same extension.
    const fs::path pattern = target.parent_path() / ("." + target.filename().string() + ".XXXXXX" + extension);
    std::string temporary;
    if (!makeTemporary(pattern.string(), extension.size(), temporary, error)) return false;
    if (!write(temporary)) {
        std::remove(temporary.c_str());
        if (error.empty()) error = "the file could not be written";
        return false;
    }
    if (!replaceFile(temporary, path, error)) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
