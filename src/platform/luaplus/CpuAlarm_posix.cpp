#include "CpuAlarm.h"

#include <atomic>
#include <csignal>
#include <ctime>
#include <sys/syscall.h>
#include <unistd.h>

namespace vlua {

namespace {

// What the signal handler may touch: the run's state and its hook, set before the timer is armed.
std::atomic<lua_State*> alarmedState{nullptr};
std::atomic<lua_Hook> alarmedHook{nullptr};

// lua_sethook is the one Lua call made to be safe in a signal handler.
void onAlarm(int) {
    lua_State* L = alarmedState.load();
    if (L) lua_sethook(L, alarmedHook.load(), LUA_MASKCOUNT, 1);
}

double threadCpuNow() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

class ThreadCpuTimer {
public:
    ThreadCpuTimer() {
        const int signal = SIGRTMIN + 1;
        struct sigaction action = {};
        action.sa_handler = onAlarm;
        action.sa_flags = SA_RESTART;  // a write the alarm interrupts goes on
        sigemptyset(&action.sa_mask);
        sigevent event = {};
        event.sigev_notify = SIGEV_THREAD_ID;
        event.sigev_signo = signal;
        event._sigev_un._tid = static_cast<pid_t>(syscall(SYS_gettid));
        made = sigaction(signal, &action, nullptr) == 0 &&
               timer_create(CLOCK_THREAD_CPUTIME_ID, &event, &timer) == 0;
    }
    ~ThreadCpuTimer() {
        if (made) timer_delete(timer);
    }
    ThreadCpuTimer(const ThreadCpuTimer&) = delete;
    ThreadCpuTimer& operator=(const ThreadCpuTimer&) = delete;

    void arm(double seconds) {
        runStart = threadCpuNow();
        set(seconds);
    }

    double spent() const { return runStart < 0 ? 0 : threadCpuNow() - runStart; }

    double disarm() {
        set(0);
        const double total = spent();
        runStart = -1;
        return total;
    }

private:
    void set(double seconds) {
        if (!made) return;
        itimerspec when = {};
        when.it_value.tv_sec = static_cast<time_t>(seconds);
        when.it_value.tv_nsec = static_cast<long>((seconds - static_cast<double>(when.it_value.tv_sec)) * 1e9);
        timer_settime(timer, 0, &when, nullptr);
    }

    timer_t timer{};
    bool made = false;
    double runStart = -1;  // the thread's CPU clock when its run began; negative outside a run
};

ThreadCpuTimer& threadTimer() {
    thread_local ThreadCpuTimer timer;
    return timer;
}

}  // namespace

void armCpuAlarm(lua_State* L, lua_Hook hook, double seconds) {
    alarmedHook = hook;
    alarmedState = L;
    threadTimer().arm(seconds > 0 ? seconds : 1e-9);
}

double runCpuSeconds() { return threadTimer().spent(); }

double disarmCpuAlarm(lua_State* L) {
    alarmedState = nullptr;
    const double spent = threadTimer().disarm();
    lua_sethook(L, nullptr, 0, 0);
    return spent;
}

}  // namespace vlua
