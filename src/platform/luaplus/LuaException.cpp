#include "luaplus/LuaException.h"

#include <utility>

namespace vlua {

LuaException::LuaException(const char* text, std::string luaMessage)
    : text(text), luaMessage(std::move(luaMessage)) {}

const char* LuaException::what() const noexcept { return text.c_str(); }

const std::string& LuaException::GetLuaMessage() const noexcept { return luaMessage; }

}  // namespace vlua
