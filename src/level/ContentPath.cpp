#include "level/ContentPath.h"

#include "level/FinalPath.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// No file system the game runs on has longer names, or longer paths: the system would refuse
// them unread.
const std::size_t LONGEST_NAME = 255;   // bytes of one part of a path
const std::size_t LONGEST_PATH = 4095;  // bytes

bool tooLong(const fs::path& path) {
    if (path.native().size() > LONGEST_PATH) return true;
    return std::any_of(path.begin(), path.end(), [](const fs::path& part) { return part.native().size() > LONGEST_NAME; });
}

}  // namespace

std::string gameFolderProblem(const std::string& path) {
    const fs::path named(path);
    if (tooLong(named)) return "is longer than any file name may be";
    std::error_code error;
    const fs::path folder = finalPath(fs::current_path(error), error);
    if (error) return "is outside the game folder";
    const fs::path resolved = finalPath(fs::absolute(named, error), error);
    if (error == std::errc::too_many_symbolic_link_levels) return "cannot be followed (a loop of links)";
    if (error && error == std::errc::filename_too_long) return "is longer than any file name may be";
    if (error || std::mismatch(folder.begin(), folder.end(), resolved.begin(), resolved.end()).first != folder.end())
        return "is outside the game folder";
    return std::string();
}

bool insideGameFolder(const std::string& path) { return gameFolderProblem(path).empty(); }

bool namesContentFile(std::string_view element, std::string_view attribute) {
    return element == "texture" || (element == "string" && (attribute == "Mesh" || attribute == "SoundFileName"));
}
