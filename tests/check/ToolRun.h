#pragma once
// Runs a command-line tool as a designer runs it, from a given folder, and keeps what it printed
// (standard error merged in) and its exit code.

#include <filesystem>
#include <string>

struct ToolRun {
    std::string out;
    int code = -1;

    // The block printed for the node: its line and the warning lines under it.
    std::string block(const std::string& nodeLine) const;
};

// command: the whole command line, already quoted for the shell.
ToolRun runTool(const std::filesystem::path& folder, const std::string& command);

// The file's bytes, or "" when it cannot be read.
std::string readAll(const std::filesystem::path& file);
