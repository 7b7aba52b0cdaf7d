#pragma once
// Ends the process at once with `status`: no destructors, no handlers at exit, no waiting for
// other threads or for libraries to unload.
[[noreturn]] void endProcessNow(int status);
