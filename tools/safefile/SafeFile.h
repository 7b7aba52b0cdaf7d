#pragma once
// The tools write files designers keep (levels, plans, analysis files, screenshots): they never
// replace one unasked, and a write that fails leaves the old file as it was.

#include <functional>
#include <string>

// True when something is at `path` already: a file, a folder, or a link (even a broken one).
bool existsAlready(const std::string& path);

// Calls write(temporary) with a new file name beside `path` that ends as `path` does (writers
// pick the format by the extension), then renames the written file over `path`. False, with the
// reason in `error`, when writing or renaming failed; the temporary is removed and `path` stays
// as it was.
bool writeThroughTemporary(const std::string& path, const std::function<bool(const std::string&)>& write,
                           std::string& error);
