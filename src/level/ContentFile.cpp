#include "level/ContentFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string sizeText(std::uintmax_t bytes) {
    return bytes >= (1u << 20) ? std::to_string(bytes >> 20) + " MiB" : std::to_string(bytes >> 10) + " KiB";
}

}  // namespace

bool somethingAt(const char* path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

std::string contentFileProblem(const char* path, std::uintmax_t maxBytes) {
    std::error_code error;
    fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) return "is missing";
    if (!fs::is_regular_file(status)) return "is not a regular file";
    std::uintmax_t size = fs::file_size(path, error);
    if (error) return "cannot be read";
    if (size > maxBytes)
        return "is larger than the " + sizeText(maxBytes) + " such a file may have";
    return std::string();
}

ContentFile readContentFile(const char* path, std::uintmax_t maxBytes) {
    ContentFile file;
    file.problem = contentFileProblem(path, maxBytes);
    file.missing = !file.problem.empty() && !somethingAt(path);
    if (!file.problem.empty()) return file;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        file.problem = "cannot be read";
        return file;
    }
    file.text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    // A file that grew after the look is still held to the limit.
    if (in.bad() || file.text.size() > maxBytes) {
        file.text.clear();
        file.problem = in.bad() ? "cannot be read" : "is larger than such a file may be";
    }
    return file;
}
