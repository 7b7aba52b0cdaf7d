#pragma once
// Sets a variable in this process's environment, for a library that reads its settings there
// (OpenAL Soft's configuration file and backend), replacing any value it had.
void setProcessEnvironment(const char* name, const char* value);
