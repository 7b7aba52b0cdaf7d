#include "app/ProcessEnd.h"

#include <windows.h>

// Not ExitProcess: it notifies every loaded library and so waits for the loader lock, which the
// thread that is tidying up may be holding.
void endProcessNow(int status) {
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(status));
    for (;;) Sleep(INFINITE);
}
