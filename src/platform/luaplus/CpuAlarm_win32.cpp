#include "CpuAlarm.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace vlua {

namespace {

using Ticks = std::chrono::duration<std::int64_t, std::ratio<1, 10000000>>;  // FILETIME's 100 ns

Ticks cpuTime(HANDLE thread) {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(thread, &created, &exited, &kernel, &user)) return Ticks(0);
    auto ticks = [](FILETIME t) { return Ticks((std::int64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime); };
    return ticks(kernel) + ticks(user);
}

// What the armed thread and its watcher share; the watcher holds it until it has seen `quitting`.
struct Alarm {
    std::mutex mutex;
    std::condition_variable changed;
    HANDLE thread = nullptr;
    lua_State* state = nullptr;  // null: not armed
    lua_Hook hook = nullptr;
    Ticks deadline{0};  // on the armed thread's CPU clock
    std::atomic<Ticks::rep> reading{0};  // the armed thread's clock when last read
    bool quitting = false;

    ~Alarm() {
        if (thread) CloseHandle(thread);
    }
};

// Windows has no timer on a thread's CPU clock. A watcher thread sleeps for the CPU time left
// (a thread cannot spend more of it than wall time passes), then reads the armed thread's clock
// and sleeps again for what remains, until the time is spent or the run is over. Lua lets its
// hook be set from outside the running thread, as from a signal handler. Reading a thread's
// clock costs a hundred microseconds under Wine: while armed, the thread itself takes the
// watcher's last reading, which reaches the deadline before the alarm goes off.
void watch(std::shared_ptr<Alarm> alarm) {
    std::unique_lock<std::mutex> lock(alarm->mutex);
    while (!alarm->quitting) {
        if (!alarm->state) {
            alarm->changed.wait(lock);
            continue;
        }
        Ticks now = cpuTime(alarm->thread);
        alarm->reading = now.count();
        Ticks left = alarm->deadline - now;
        if (left <= Ticks(0)) {
            lua_sethook(alarm->state, alarm->hook, LUA_MASKCOUNT, 1);
            alarm->state = nullptr;
            continue;
        }
        alarm->changed.wait_for(lock, left);
    }
}

class ThreadCpuTimer {
public:
    ThreadCpuTimer() : alarm(std::make_shared<Alarm>()) {
        if (!DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &alarm->thread,
                             THREAD_QUERY_LIMITED_INFORMATION, FALSE, 0))
            return;
        std::thread(watch, alarm).detach();
        made = true;
    }
    // Not joined: this runs as the thread ends, where waiting for another thread can deadlock.
    ~ThreadCpuTimer() {
        std::lock_guard<std::mutex> lock(alarm->mutex);
        alarm->quitting = true;
        alarm->changed.notify_one();
    }
    ThreadCpuTimer(const ThreadCpuTimer&) = delete;
    ThreadCpuTimer& operator=(const ThreadCpuTimer&) = delete;

    void arm(lua_State* L, lua_Hook hook, double seconds) {
        if (!made) return;
        std::lock_guard<std::mutex> lock(alarm->mutex);
        Ticks now = cpuTime(GetCurrentThread());
        alarm->reading = now.count();
        alarm->state = L;
        alarm->hook = hook;
        alarm->deadline = now + std::chrono::duration_cast<Ticks>(std::chrono::duration<double>(seconds));
        armed = true;
        alarm->changed.notify_one();
    }

    void disarm() {
        std::lock_guard<std::mutex> lock(alarm->mutex);
        alarm->state = nullptr;
        armed = false;
        alarm->changed.notify_one();
    }

    double seconds() {
        Ticks now = armed ? Ticks(alarm->reading.load()) : cpuTime(GetCurrentThread());
        return std::chrono::duration<double>(now).count();
    }

private:
    std::shared_ptr<Alarm> alarm;
    bool made = false;
    bool armed = false;  // from arm to disarm, on the armed thread
};

ThreadCpuTimer& threadTimer() {
    thread_local ThreadCpuTimer timer;
    return timer;
}

}  // namespace

void armCpuAlarm(lua_State* L, lua_Hook hook, double seconds) { threadTimer().arm(L, hook, seconds > 0 ? seconds : 1e-9); }

void disarmCpuAlarm(lua_State* L) {
    threadTimer().disarm();
    lua_sethook(L, nullptr, 0, 0);
}

double threadCpuSeconds() { return threadTimer().seconds(); }

}  // namespace vlua
