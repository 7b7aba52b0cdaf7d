#include "level/DecoderLaunch.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// The helper's environment: the game's, with the sanitizer runtime (when the game is built with
// one) held to the same memory limit and kept from failing the helper over leaks. Options given
// later win, so the game's own stay in force otherwise.
std::vector<std::string> helperEnvironment() {
    std::string sanitizer = "ASAN_OPTIONS=";
    std::vector<std::string> out;
    for (char** entry = environ; *entry; ++entry) {
        if (std::strncmp(*entry, "ASAN_OPTIONS=", 13) == 0)
            sanitizer += std::string(*entry + 13) + ":";
        else
            out.emplace_back(*entry);
    }
    out.push_back(sanitizer + "detect_leaks=0:allocator_may_return_null=1:hard_rss_limit_mb=" +
                  std::to_string(DECODER_MEMORY_BYTES >> 20));
    return out;
}

void limit(int resource, rlim_t value) {
    rlimit bound{value, value};
    setrlimit(resource, &bound);
}

// In the child between fork and exec: only calls that are safe there.
[[noreturn]] void becomeHelper(int channel, int quiet, const char* program, char* const* argv, char* const* envp) {
    dup2(channel, 0);
    dup2(quiet, 1);
    dup2(quiet, 2);
    limit(RLIMIT_CPU, DECODER_SECONDS);
    limit(RLIMIT_CORE, 0);
    limit(RLIMIT_FSIZE, 0);
    limit(RLIMIT_NOFILE, 64);
#ifndef __SANITIZE_ADDRESS__
    // The sanitizer runtime reserves terabytes of address space: it keeps to its own limit.
    limit(RLIMIT_AS, DECODER_MEMORY_BYTES);
#endif
    execve(program, argv, envp);
    _exit(127);
}

int millisecondsUntil(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? int(left) : 0;
}

// Sends the request and reads the reply until the helper closes its end; false at the deadline.
bool converse(int channel, std::string_view request, Clock::time_point deadline, DecoderRun& run) {
    std::size_t sent = 0;
    char chunk[65536];
    for (;;) {
        pollfd wait{channel, short(POLLIN | (sent < request.size() ? POLLOUT : 0)), 0};
        int ready = poll(&wait, 1, millisecondsUntil(deadline));
        if (ready == 0) return false;
        if (ready < 0) continue;
        if ((wait.revents & POLLOUT) && sent < request.size()) {
            ssize_t n = send(channel, request.data() + sent, request.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n < 0) sent = request.size();  // the helper stopped reading: its reply tells why
            else sent += std::size_t(n);
            if (sent == request.size()) shutdown(channel, SHUT_WR);
        }
        if (wait.revents & (POLLIN | POLLHUP | POLLERR)) {
            ssize_t n = recv(channel, chunk, sizeof chunk, MSG_DONTWAIT);
            if (n == 0 || (n < 0 && !(wait.revents & POLLIN))) return true;
            if (n > 0) run.reply.append(chunk, std::size_t(n));
            if (run.reply.size() > DECODER_REPLY_BYTES) {
                run.problem = helperOverReply();
                return true;
            }
        }
    }
}

// The helper ends right after its reply; one that lingers is ended at the deadline.
bool reap(pid_t child, int& status) {
    Clock::time_point deadline = Clock::now() + std::chrono::seconds(DECODER_SECONDS);
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return false;
        }
        usleep(1000);
    }
    return true;
}

std::string endedHow(int status) {
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return std::string();
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU) return helperOverProcessorTime();
    if (WIFEXITED(status) && WEXITSTATUS(status) == 127) return helperNotStarted();
    return helperCrashed();
}

}  // namespace

std::string runningProgram() {
    char self[4096];
    ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    return length > 0 ? std::string(self, std::size_t(length)) : std::string();
}

bool isProgram(const std::string& path) { return access(path.c_str(), X_OK) == 0; }

void converseWithHelper(std::string program, const std::string& request, DecoderRun& run) {
    std::vector<std::string> environment = helperEnvironment();
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    char* argv[] = {program.data(), nullptr};

    int pair[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) {
        run.problem = helperNotStarted();
        return;
    }
    int quiet = open("/dev/null", O_WRONLY | O_CLOEXEC);
    pid_t child = fork();
    if (child == 0) becomeHelper(pair[1], quiet, program.c_str(), argv, envp.data());
    close(pair[1]);
    if (quiet >= 0) close(quiet);
    if (child < 0) {
        close(pair[0]);
        run.problem = helperNotStarted();
        return;
    }
    bool inTime = converse(pair[0], request, Clock::now() + std::chrono::seconds(DECODER_SECONDS), run);
    close(pair[0]);
    if (!inTime || !run.problem.empty()) kill(child, SIGKILL);
    int status = 0;
    if (!reap(child, status)) inTime = false;
    if (!inTime)
        run.problem = helperOverTime();
    else if (run.problem.empty())
        run.problem = endedHow(status);
}
