#include "ScriptDir.h"

#include <fstream>
#include <unistd.h>

ScriptDir::ScriptDir() {
    static int count = 0;
    root = std::filesystem::temp_directory_path() /
           ("velmora-lua-" + std::to_string(getpid()) + "-" + std::to_string(++count));
    std::filesystem::create_directories(root);
}

ScriptDir::~ScriptDir() { std::filesystem::remove_all(root); }

std::string ScriptDir::write(const std::string& name, const std::string& text) const {
    std::filesystem::path path = root / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}
