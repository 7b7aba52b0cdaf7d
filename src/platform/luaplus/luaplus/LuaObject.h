#pragma once
// A Lua value held by the game. It keeps the value alive in its state until destroyed. A value
// taken from a table by name remembers where it came from, so that AssignNumber writes back:
//   table["x"].AssignNumber(1.5);  // table.x = 1.5
// Table access is raw (no metamethods). Failures inside Lua (out of memory) and use of a
// non-table as a table throw LuaException.

#include "luaplus/LuaState.h"

#include <string>

namespace vlua {

class LuaStackObject;

class LuaObject {
public:
    explicit LuaObject(const LuaStackObject& stackObject);
    LuaObject(LuaObject&& other) noexcept;
    LuaObject(const LuaObject&) = delete;
    LuaObject& operator=(const LuaObject&) = delete;
    LuaObject& operator=(LuaObject&&) = delete;
    ~LuaObject();

    bool IsFunction() const;
    int GetInteger() const;   // truncated toward zero and clamped to int; 0 unless a number
    double GetNumber() const; // 0 unless a number
    void Push() const;        // onto the state's stack

    LuaObject operator[](const char* key) const;  // nil unless this is a table
    void SetInteger(const char* key, int value);
    void AssignNumber(double value);
    // Binds a native function under a name in this table, with no upvalues visible to scripts.
    void Register(const char* name, LuaCallback function);

private:
    friend class LuaState;

    LuaObject(LuaState* state, int ref, int tableRef, const char* key);
    void requireTable(const char* operation) const;

    LuaState* state;
    int ref;          // registry reference of the value
    int tableRef;     // registry reference of the table it was read from, if any
    std::string key;  // its name in that table
};

}  // namespace vlua
