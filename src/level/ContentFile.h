#pragma once
// Level content files are untrusted: a directory, a device or a huge file can stand where a small
// file should. Libraries that ask such a "file" for its size get nonsense (a directory's is
// LONG_MAX) and try to allocate it, so every content file is looked at before anything reads it.

#include <cstdint>
#include <string>

struct ContentFile {
    std::string text;     // the whole file when problem is empty
    std::string problem;  // why it cannot be used, as the tail of a sentence: "is missing"
    bool missing = false; // nothing at all at that path
};

// Something, of any kind, is at `path`.
bool somethingAt(const char* path);

// Empty when `path` names a regular file of at most maxBytes; otherwise why not.
std::string contentFileProblem(const char* path, std::uintmax_t maxBytes);

// The whole file, or why it cannot be used.
ContentFile readContentFile(const char* path, std::uintmax_t maxBytes);
