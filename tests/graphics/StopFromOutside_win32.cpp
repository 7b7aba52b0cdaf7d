#include "StopFromOutside.h"

#include <windows.h>

#include <thread>

// Windows stops threads, not processes: another thread suspends this one. It calls nothing that
// could wait on a lock the suspended thread holds.
void stopFromOutside(int ms) {
    HANDLE self = nullptr;
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &self, THREAD_SUSPEND_RESUME, FALSE, 0);
    std::thread stopper([self, ms] {
        SuspendThread(self);
        Sleep(ms);
        ResumeThread(self);
    });
    stopper.join();
    CloseHandle(self);
}
