#include "SpecialFile.h"

#include <windows.h>

bool makeSpecialFile(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }
