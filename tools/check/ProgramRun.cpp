#include "ProgramRun.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

const size_t MOST_KEPT = size_t(4) << 20;

}  // namespace

ProgramOutput runProgram(const std::vector<std::string>& arguments) {
    ProgramOutput out;
    int ends[2];
    if (arguments.empty() || pipe(ends) != 0) return out;
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, ends[0]);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, ends[1]);
    pid_t child = 0;
    const int failed = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    char buffer[4096];
    // Read to the end even past what is kept, so that the program is never stuck writing.
    for (ssize_t n; (n = read(ends[0], buffer, sizeof buffer)) > 0;)
        if (out.text.size() < MOST_KEPT) out.text.append(buffer, size_t(n));
    close(ends[0]);
    if (failed) return out;
    int status = 0;
    if (waitpid(child, &status, 0) == child && WIFEXITED(status)) out.code = WEXITSTATUS(status);
    return out;
}
