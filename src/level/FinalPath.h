#pragma once
// A path as the system will open it: absolute, every "." and "..", and every link on the way
// followed; a tail that does not exist yet is kept as named. Errors as
// std::filesystem::weakly_canonical reports them.
#include <filesystem>
#include <system_error>

std::filesystem::path finalPath(const std::filesystem::path& path, std::error_code& error);
