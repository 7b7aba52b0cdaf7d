#include "TemporaryFile.h"

#include <windows.h>

#include <system_error>

namespace {

std::string lastError() { return std::system_category().message(int(GetLastError())); }

}  // namespace

bool makeTemporary(const std::string& pattern, std::size_t suffixLength, std::string& name, std::string& error) {
    const std::size_t at = pattern.size() - suffixLength - 6;
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const unsigned long long stamp = GetTickCount64() * 1000003ull + GetCurrentProcessId() * 7919ull + attempt;
        name = pattern;
        for (std::size_t i = 0; i < 6; ++i) name[at + i] = "abcdefghijklmnopqrstuvwxyz0123456789"[(stamp >> (5 * i)) % 36];
        HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS) break;
    }
    error = lastError();
    return false;
}

// The C runtime's rename refuses to replace a file on Windows.
bool replaceFile(const std::string& from, const std::string& to, std::string& error) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
    error = lastError();
    return false;
}
