#pragma once
// The two steps of a safe write that each system does its own way.

#include <string>

// Makes a new, empty file whose name is `pattern` with its "XXXXXX" replaced so that no file has
// it, readable and writable as any new file of the user's; its name into `name`. False, with the
// reason in `error`, when no file could be made.
bool makeTemporary(const std::string& pattern, std::size_t suffixLength, std::string& name, std::string& error);

// Puts `from` in the place of `to`, replacing what was there. False, with the reason in `error`.
bool replaceFile(const std::string& from, const std::string& to, std::string& error);
