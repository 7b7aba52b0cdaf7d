#include "ToolRun.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

std::string ToolRun::block(const std::string& nodeLine) const {
    size_t start = out.find(nodeLine);
    if (start == std::string::npos) return "";
    size_t end = start;
    do end = out.find('\n', end) + 1;
    while (end < out.size() && out.compare(end, 11, "  warning: ") == 0);
    return out.substr(start, end - start);
}

ToolRun runTool(const std::filesystem::path& folder, const std::string& command) {
    ToolRun run;
    const std::string line = "cd '" + folder.string() + "' && " + command + " 2>&1";
    FILE* pipe = popen(line.c_str(), "r");
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string readAll(const std::filesystem::path& file) {
    std::stringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
}
