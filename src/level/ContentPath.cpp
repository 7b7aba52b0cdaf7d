#include "level/ContentPath.h"

#include "level/FinalPath.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

bool insideGameFolder(const std::string& path) {
    std::error_code error;
    const fs::path folder = finalPath(fs::current_path(error), error);
    if (error) return false;
    const fs::path resolved = finalPath(fs::absolute(path, error), error);
    if (error) return false;
    return std::mismatch(folder.begin(), folder.end(), resolved.begin(), resolved.end()).first == folder.end();
}

bool namesContentFile(std::string_view element, std::string_view attribute) {
    return element == "texture" || (element == "string" && (attribute == "Mesh" || attribute == "SoundFileName"));
}
