#include "TemporaryFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

bool makeTemporary(const std::string& pattern, std::size_t suffixLength, std::string& name, std::string& error) {
    std::vector<char> chosen(pattern.begin(), pattern.end());
    chosen.push_back('\0');
    const int descriptor = mkstemps(chosen.data(), int(suffixLength));
    if (descriptor < 0) {
        error = std::strerror(errno);
        return false;
    }
    // As any new file of the user's would be, not private to them as a temporary is.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
    close(descriptor);
    name = chosen.data();
    return true;
}

bool replaceFile(const std::string& from, const std::string& to, std::string& error) {
    if (std::rename(from.c_str(), to.c_str()) == 0) return true;
    error = std::strerror(errno);
    return false;
}
