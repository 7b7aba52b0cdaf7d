#include "SafeFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

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
    const std::string patternText = pattern.string();
    std::vector<char> name(patternText.begin(), patternText.end());
    name.push_back('\0');
    const int descriptor = mkstemps(name.data(), int(extension.size()));
    if (descriptor < 0) {
        error = std::strerror(errno);
        return false;
    }
    // As any new file of the user's would be, not private to them as a temporary is.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
    close(descriptor);
    const std::string temporary(name.data());
    if (!write(temporary)) {
        std::remove(temporary.c_str());
        if (error.empty()) error = "the file could not be written";
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
