// The helper on Windows: a process of its own in a Job Object that holds it to the limits (memory,
// processor time, no processes of its own) and ends it when the game lets go of the job. Windows
// pipes cannot be half closed, and the helper reads its request up to the end of its input and
// then writes its reply to that same input. So its input is a temporary file, shared with the
// game: the request, then the reply the helper appends. The file is gone once both have closed it.
#include "level/DecoderLaunch.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace {

class Handle {
public:
    explicit Handle(HANDLE h = nullptr) : h(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    ~Handle() {
        if (h) CloseHandle(h);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h; }
    explicit operator bool() const { return h != nullptr; }

private:
    HANDLE h;
};

SECURITY_ATTRIBUTES inherited() {
    SECURITY_ATTRIBUTES attributes = {};
    attributes.nLength = sizeof attributes;
    attributes.bInheritHandle = TRUE;
    return attributes;
}

HANDLE exchangeFile() {
    char folder[MAX_PATH + 1], name[MAX_PATH + 1];
    if (!GetTempPathA(sizeof folder, folder) || !GetTempFileNameA(folder, "vmd", 0, name)) return nullptr;
    SECURITY_ATTRIBUTES attributes = inherited();
    return CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       &attributes, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

bool writeAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD wrote = 0;
        DWORD size = DWORD(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        if (!WriteFile(file, bytes.data() + done, size, &wrote, nullptr) || wrote == 0) return false;
        done += wrote;
    }
    return true;
}

bool moveTo(HANDLE file, std::size_t offset) {
    LARGE_INTEGER at;
    at.QuadPart = LONGLONG(offset);
    return SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
}

HANDLE limitedJob() {
    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    if (!job) return nullptr;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_PROCESS_MEMORY | JOB_OBJECT_LIMIT_PROCESS_TIME |
                                              JOB_OBJECT_LIMIT_ACTIVE_PROCESS | JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE |
                                              JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION;
    limits.BasicLimitInformation.PerProcessUserTimeLimit.QuadPart = LONGLONG(DECODER_SECONDS) * 10000000;
    limits.BasicLimitInformation.ActiveProcessLimit = 1;
    limits.ProcessMemoryLimit = DECODER_MEMORY_BYTES;
    if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        CloseHandle(job);
        return nullptr;
    }
    return job;
}

// The job's processor time (its one process's, user and kernel) in seconds.
double processorSeconds(HANDLE job) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
    if (!QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting, sizeof accounting, nullptr))
        return 0;
    return double(accounting.TotalUserTime.QuadPart + accounting.TotalKernelTime.QuadPart) / 1e7;
}

// Started suspended, so that it runs no instruction outside the job.
HANDLE startInJob(std::string program, HANDLE job, HANDLE input, HANDLE quiet) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = quiet;
    startup.hStdError = quiet;
    std::string commandLine = "\"" + program + "\"";
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                        CREATE_SUSPENDED | CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process))
        return nullptr;
    if (!AssignProcessToJobObject(job, process.hProcess)) {
        TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return nullptr;
    }
    ResumeThread(process.hThread);
    CloseHandle(process.hThread);
    return process.hProcess;
}

// What the helper appended after the request, within the reply limit.
void readReply(HANDLE file, std::size_t requestSize, DecoderRun& run) {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || std::size_t(size.QuadPart) < requestSize) {
        run.problem = helperCrashed();
        return;
    }
    std::size_t replySize = std::size_t(size.QuadPart) - requestSize;
    if (replySize > DECODER_REPLY_BYTES) {
        run.problem = helperOverReply();
        return;
    }
    run.reply.resize(replySize);
    std::size_t done = 0;
    moveTo(file, requestSize);
    while (done < replySize) {
        DWORD got = 0;
        DWORD want = DWORD(std::min<std::size_t>(replySize - done, 1 << 20));
        if (!ReadFile(file, &run.reply[done], want, &got, nullptr) || got == 0) break;
        done += got;
    }
    run.reply.resize(done);
}

}  // namespace

std::string runningProgram() {
    char self[MAX_PATH + 1];
    DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
    return length > 0 && length < sizeof self ? std::string(self, length) : std::string();
}

bool isProgram(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void converseWithHelper(std::string program, const std::string& request, DecoderRun& run) {
    SECURITY_ATTRIBUTES attributes = inherited();
    Handle file(exchangeFile());
    Handle quiet(CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &attributes, OPEN_EXISTING, 0, nullptr));
    Handle job(limitedJob());
    if (!file || !quiet || !job || !writeAll(file.get(), request) || !moveTo(file.get(), 0)) {
        run.problem = helperNotStarted();
        return;
    }
    Handle helper(startInJob(program, job.get(), file.get(), quiet.get()));
    if (!helper) {
        run.problem = helperNotStarted();
        return;
    }
    if (WaitForSingleObject(helper.get(), DECODER_SECONDS * 1000) != WAIT_OBJECT_0) {
        TerminateJobObject(job.get(), 1);
        WaitForSingleObject(helper.get(), INFINITE);
        run.problem = processorSeconds(job.get()) >= DECODER_SECONDS ? helperOverProcessorTime() : helperOverTime();
        return;
    }
    DWORD status = 1;
    GetExitCodeProcess(helper.get(), &status);
    if (status != 0) {
        run.problem = processorSeconds(job.get()) >= DECODER_SECONDS ? helperOverProcessorTime() : helperCrashed();
        return;
    }
    readReply(file.get(), request.size(), run);
}
