#include "SpecialFile.h"

#include <sys/stat.h>

bool makeSpecialFile(const std::string& path) { return mkfifo(path.c_str(), 0600) == 0; }
