#include "level/FinalPath.h"

std::filesystem::path finalPath(const std::filesystem::path& path, std::error_code& error) {
    return std::filesystem::weakly_canonical(path, error);
}
