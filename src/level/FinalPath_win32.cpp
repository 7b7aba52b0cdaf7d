#include "level/FinalPath.h"

#include <windows.h>

#include <string>

namespace fs = std::filesystem;

namespace {

// MinGW-w64's C++ library sees no links on Windows: the deepest part that exists is opened and
// the system asked where it really is.
fs::path openedAt(const fs::path& existing, std::error_code& error) {
    HANDLE file = CreateFileW(existing.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = std::error_code(int(GetLastError()), std::system_category());
        return fs::path();
    }
    std::wstring name(32768, L'\0');
    DWORD length = GetFinalPathNameByHandleW(file, name.data(), DWORD(name.size()), FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    CloseHandle(file);
    if (length == 0 || length >= name.size()) {
        error = std::error_code(int(GetLastError()), std::system_category());
        return fs::path();
    }
    name.resize(length);
    if (name.rfind(L"\\\\?\\UNC\\", 0) == 0) return fs::path(L"\\\\" + name.substr(8));
    if (name.rfind(L"\\\\?\\", 0) == 0) return fs::path(name.substr(4));
    return fs::path(name);
}

}  // namespace

fs::path finalPath(const fs::path& path, std::error_code& error) {
    fs::path named = fs::weakly_canonical(path, error);
    if (error) return named;
    fs::path existing = named, tail;
    std::error_code missing;
    while (existing.has_relative_path() && !fs::exists(existing, missing)) {
        tail = existing.filename() / tail;
        existing = existing.parent_path();
    }
    fs::path resolved = openedAt(existing, error);
    return error ? resolved : (tail.empty() ? resolved : resolved / tail);
}
