#include "SpecialFile.h"

#include <windows.h>

bool makeSpecialFile(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }

// The C++ library of MinGW-w64 makes no links on Windows.
bool makeSymlink(const std::string& target, const std::string& link) {
    CreateSymbolicLinkA(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
    const DWORD attributes = GetFileAttributesA(link.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}
