#include "CpuAlarm.h"

#include <windows.h>

#include <algorithm>
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
using Wall = std::chrono::steady_clock;

// Windows counts a thread's CPU time in ticks of its clock interrupt, at most 1/64 s apart (Wine
// counts in the 10 ms of Linux's process times), and has no finer CPU clock in seconds. A run's
// time is therefore bounded from both sides that are known: it cannot be more than the wall time
// since it began, nor more than a tick beyond what the thread's CPU clock shows since then. The
// smaller bound is exact for a run that kept its core, which is nearly every run: a script's
// share of a frame, a millisecond or two, is charged that, not a whole tick or none.
const Ticks kTick = std::chrono::duration_cast<Ticks>(std::chrono::duration<double>(1.0 / 64));

Ticks cpuTime(HANDLE thread) {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(thread, &created, &exited, &kernel, &user)) return Ticks(0);
    auto ticks = [](FILETIME t) { return Ticks((std::int64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime); };
    return ticks(kernel) + ticks(user);
}

Ticks wallSince(Wall::time_point start) { return std::chrono::duration_cast<Ticks>(Wall::now() - start); }

// What the armed thread and its watcher share; the watcher holds it until it has seen `quitting`.
struct Alarm {
    std::mutex mutex;
    std::condition_variable changed;
    HANDLE thread = nullptr;
    lua_State* state = nullptr;  // null: not armed, or the alarm has gone off
    lua_Hook hook = nullptr;
    Ticks limit{0};
    Ticks cpuStart{0};          // the run's start on the thread's CPU clock
    Wall::time_point wallStart;  // and on the wall clock
    std::atomic<Ticks::rep> reading{0};  // the thread's CPU clock when the watcher last read it
    bool quitting = false;

    // The run's time, given a reading of the thread's CPU clock.
    Ticks spent(Ticks cpuNow) const { return std::min(wallSince(wallStart), cpuNow - cpuStart + kTick); }

    ~Alarm() {
        if (thread) CloseHandle(thread);
    }
};

// Windows has no timer on a thread's CPU clock. A watcher thread sleeps for the CPU time left
// (a thread cannot spend more of it than wall time passes), then reads the armed thread's clock
// and sleeps again for what remains, until the time is spent or the run is over. Lua lets its
// hook be set from outside the running thread, as from a signal handler. Reading a thread's
// clock costs a hundred microseconds under Wine: in a run longer than a tick the thread itself
// takes the watcher's last reading, which reaches the limit before the alarm goes off.
void watch(std::shared_ptr<Alarm> alarm) {
    std::unique_lock<std::mutex> lock(alarm->mutex);
    while (!alarm->quitting) {
        if (!alarm->state) {
            alarm->changed.wait(lock);
            continue;
        }
        Ticks now = cpuTime(alarm->thread);
        alarm->reading = now.count();
        Ticks left = alarm->limit - alarm->spent(now);
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
        std::lock_guard<std::mutex> lock(alarm->mutex);
        alarm->cpuStart = cpuTime(GetCurrentThread());
        alarm->wallStart = Wall::now();
        alarm->reading = alarm->cpuStart.count();
        alarm->limit = std::chrono::duration_cast<Ticks>(std::chrono::duration<double>(seconds));
        armed = true;
        if (!made) return;
        alarm->state = L;
        alarm->hook = hook;
        alarm->changed.notify_one();
    }

    // Without a watcher nobody else reads the clock.
    double spent() const {
        if (!armed) return 0;
        return seconds(spentSoFar([this] { return made ? Ticks(alarm->reading.load()) : cpuTime(GetCurrentThread()); }));
    }

    double disarm() {
        std::lock_guard<std::mutex> lock(alarm->mutex);
        const double total = armed ? seconds(spentSoFar([] { return cpuTime(GetCurrentThread()); })) : 0;
        armed = false;
        alarm->state = nullptr;
        alarm->changed.notify_one();
        return total;
    }

private:
    static double seconds(Ticks t) { return std::chrono::duration<double>(t).count(); }

    // Short of a tick the wall time is the bound, and the dear reading is not taken.
    template <class Read> Ticks spentSoFar(Read readCpu) const {
        Ticks wall = wallSince(alarm->wallStart);
        return wall < kTick ? wall : alarm->spent(readCpu());
    }

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

double runCpuSeconds() { return threadTimer().spent(); }

double disarmCpuAlarm(lua_State* L) {
    const double spent = threadTimer().disarm();
    lua_sethook(L, nullptr, 0, 0);
    return spent;
}

}  // namespace vlua
