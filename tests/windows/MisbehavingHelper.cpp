// Reads a request as the decoding helper does (kind, name length, name, bytes up to the end of its
// input) and then does what the name asks: "echo" hands the request back, "spin" never ends,
// "eat" touches more memory than the helper may have, "child" starts another program.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <vector>

int main() {
    _setmode(0, _O_BINARY);
    std::string in;
    char chunk[4096];
    int n;
    while ((n = _read(0, chunk, sizeof chunk)) > 0) in.append(chunk, std::size_t(n));
    if (in.size() < 5) return 3;
    std::uint32_t length;
    std::memcpy(&length, in.data() + 1, sizeof length);
    const std::string name = in.substr(5, length);
    if (name == "echo") {
        _write(0, in.data(), unsigned(in.size()));
        return 0;
    }
    if (name == "spin") {
        for (volatile unsigned long long i = 0;; ++i) {
        }
    }
    if (name == "eat") {
        std::vector<std::vector<char>> blocks;
        for (int i = 0; i < 64; ++i) blocks.emplace_back(std::size_t(64) << 20, char(i));  // 4 GiB
        return 0;
    }
    if (name == "child") {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        char commandLine[] = "cmd.exe /c exit";
        if (CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return 0;
        return 4;
    }
    return 5;
}
