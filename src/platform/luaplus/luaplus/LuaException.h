#pragma once
// What a failed script operation throws. The text is what the caller decided to say (the script
// host uses fixed texts); the Lua message is Lua's own account of the error, empty when Lua
// raised none.

#include <exception>
#include <string>

namespace vlua {

class LuaException : public std::exception {
public:
    explicit LuaException(const char* text, std::string luaMessage = std::string());

    const char* what() const noexcept override;
    const std::string& GetLuaMessage() const noexcept;

private:
    std::string text;
    std::string luaMessage;
};

}  // namespace vlua
