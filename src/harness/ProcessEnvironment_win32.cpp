#include "harness/ProcessEnvironment.h"

#include <stdlib.h>

void setProcessEnvironment(const char* name, const char* value) { _putenv_s(name, value); }
