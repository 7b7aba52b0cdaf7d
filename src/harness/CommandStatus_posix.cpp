#include "harness/CommandStatus.h"

#include <sys/wait.h>

int commandExitCode(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }
