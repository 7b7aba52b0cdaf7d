#pragma once
// Reads a script file for DoFile and refuses what must not run: precompiled bytecode (Lua 5.1
// does not verify it, so a crafted file can corrupt memory) and files larger than a state may
// hold.

#include <string>

namespace vlua {

struct ScriptSource {
    int status;        // StatusOk, or StatusFileError / StatusRefused
    std::string text;  // the source; otherwise why it is not run
};

ScriptSource readScriptFile(const char* path);

}  // namespace vlua
