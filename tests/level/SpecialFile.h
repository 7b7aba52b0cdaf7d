#pragma once
// A file at `path` that is not a regular file and would block whoever read it: a named pipe where
// the system has them in its file system, a folder where it does not. True when made.
#include <string>

bool makeSpecialFile(const std::string& path);

// A symbolic link at `link` to the file `target`, made as an unprivileged user can make one. True
// when made: Wine reports success and makes none.
bool makeSymlink(const std::string& target, const std::string& link);
