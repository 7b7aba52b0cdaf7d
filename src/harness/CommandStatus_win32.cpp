#include "harness/CommandStatus.h"

int commandExitCode(int status) { return status; }
