#include "SpecialFile.h"

#include <windows.h>

bool makeSpecialFile(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }

// The C++ library of MinGW-w64 makes no links on Windows.
void makeSymlink(const std::string& target, const std::string& link) {
    CreateSymbolicLinkA(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
}
