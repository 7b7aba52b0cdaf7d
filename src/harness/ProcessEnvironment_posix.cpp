#include "harness/ProcessEnvironment.h"

#include <stdlib.h>

void setProcessEnvironment(const char* name, const char* value) { setenv(name, value, 1); }
