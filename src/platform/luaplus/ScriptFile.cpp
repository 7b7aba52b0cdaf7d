#include "ScriptFile.h"

#include "luaplus/LuaState.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

namespace vlua {

namespace {
const char kBytecodeMark = '\033';  // the first byte of every precompiled Lua chunk
}

ScriptSource readScriptFile(const char* path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return {StatusFileError, std::string("cannot open ") + path};
    auto size = std::filesystem::file_size(path, error);
    if (error) return {StatusFileError, std::string("cannot read ") + path};
    if (size > LuaState::kMemoryCap)
        return {StatusRefused, std::string(path) + " is larger than a script may use"};

    std::ifstream file(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) return {StatusFileError, std::string("cannot read ") + path};
    if (!text.empty() && text[0] == kBytecodeMark)
        return {StatusRefused, std::string(path) + " is precompiled bytecode, which is refused"};
    return {StatusOk, std::move(text)};
}

}  // namespace vlua
