// Prints what hostile scripts cost the game: the CPU time of one run of each snippet (the budget
// is 0.1 s), and the memory that many objects each keeping a large string take together.
// Usage: script_limits_bench [snippet...]; with none, the built-in list.
#include "luaplus/LuaState.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

const int kObjects = 48;
const char* const kHoarder = "s = string.rep('x', 2^20 - 1) keep = {} for i = 1, 20 do keep[i] = s .. i end";

double cpuSeconds() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

std::string scriptFile(const std::string& code) {
    std::string path = "/tmp/velmora-bench-" + std::to_string(getpid()) + ".lua";
    std::ofstream(path, std::ios::binary) << code;
    return path;
}

void timeRun(const std::string& code) {
    vlua::LuaState* state = vlua::LuaState::Create();
    std::string path = scriptFile(code);
    double start = cpuSeconds();
    int status = state->DoFile(path.c_str());
    double spent = cpuSeconds() - start;
    const char* message = status ? state->ToString(-1) : "";
    std::printf("%8.3f s CPU  %-60s  %.90s\n", spent, code.c_str(), message ? message : "");
    vlua::LuaState::Destroy(state);
    unlink(path.c_str());
}

void measureHoarders() {
    long before = residentKiB();
    std::vector<vlua::LuaState*> states;
    int kept = 0;
    std::string path = scriptFile(kHoarder);
    for (int i = 0; i < kObjects; ++i) {
        states.push_back(vlua::LuaState::Create());
        if (states.back()->DoFile(path.c_str()) == vlua::StatusOk) ++kept;
    }
    std::printf("%d objects running \"%s\": %d kept it, resident memory grew %ld MiB\n", kObjects,
                kHoarder, kept, (residentKiB() - before) / 1024);
    for (vlua::LuaState* state : states) vlua::LuaState::Destroy(state);
    unlink(path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> snippets(argv + 1, argv + argc);
    if (snippets.empty()) {
        snippets = {
            "table.insert({}, 2^31-1, 'x')",
            "local t = {} for i = 1, 2^20 do t[i] = i end table.foreachi(t, type)",
            "local s = string.rep(string.rep(' ', 2^20), 8) for i = 1, 1e6 do tonumber(s) end",
            "local s = string.rep(string.rep('x', 2^20), 8) for i = 1, 1e6 do s:byte(-1) s:upper() end",
            "local s = string.rep(string.rep('%', 2^20), 8) for i = 1, 1e6 do s:format() end",
            "local t = {} for i = 1, 7000 do t[i] = i end for i = 1, 1e9 do unpack(t) end",
            "local s = string.rep(string.rep('x', 2^20), 8) local r = s .. '' while true do local _ = s < r end",
            "local t = {} for i = 1, 2^19 do t[i .. ''] = i end for k in pairs(t) do t[k] = nil end "
            "while true do next(t) end",
            "local t = {} for i = 1, 2^20 do t[i] = i % 2 end table.sort(t, rawequal)",
        };
        measureHoarders();
    }
    for (const std::string& snippet : snippets) timeRun(snippet);
    return 0;
}
