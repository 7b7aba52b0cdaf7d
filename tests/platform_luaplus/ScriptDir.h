#pragma once
// A fresh directory for the script files a test writes, removed afterwards.

#include <filesystem>
#include <string>

class ScriptDir {
public:
    ScriptDir();
    ~ScriptDir();
    // Writes a file and returns its path.
    std::string write(const std::string& name, const std::string& text) const;

private:
    std::filesystem::path root;
};
