#pragma once
// One value on the state's stack by position: in a native function, position 1 is its first
// argument. Type tests are strict: numbers are not strings and numeric strings not numbers.

#include "luaplus/LuaState.h"

namespace vlua {

class LuaStackObject {
public:
    LuaStackObject(LuaState* state, int index);

    bool IsString() const;
    bool IsNumber() const;
    bool IsInteger() const;  // a number with a whole value that fits in an int
    bool IsTable() const;

    const char* GetString() const;  // nullptr unless IsString
    double GetNumber() const;       // 0 unless IsNumber
    float GetFloat() const;         // narrowed; beyond float's range becomes an infinity
    int GetInteger() const;         // truncated toward zero and clamped to int

private:
    friend class LuaObject;

    LuaState* state;
    int index;
};

}  // namespace vlua
