#include "ScriptSnippet.h"

#include <iterator>

namespace {

// Every function a level script can reach, the game's included.
const char* const kFunctions[] = {
    "unpack", "select", "tonumber", "tostring", "rawget", "rawset", "rawequal", "next", "ipairs",
    "pairs", "setmetatable", "getmetatable", "type", "error", "assert", "pcall", "getfenv",
    "setfenv", "gcinfo", "string.byte", "string.char", "string.format", "string.len",
    "string.lower", "string.upper", "string.rep", "string.reverse", "string.sub", "table.concat",
    "table.insert", "table.remove", "table.sort", "table.foreach", "table.foreachi", "table.getn",
    "table.setn", "math.floor", "math.fmod", "math.ldexp", "math.frexp", "math.random",
    "math.randomseed", "math.max", "math.min", "math.pow", "math.log", "math.modf",
    "PrintString", "PrintFloat", "PrintInt", "GetPosition", "RotateObjRelative", "GetObjIDByName",
};

const char* const kArguments[] = {
    "0", "1", "-1", "2", "2^31-1", "-2^31+1", "-2^31", "2^31", "2^32", "2^53", "-2^53", "1e308",
    "math.huge", "-math.huge", "0/0", "0.5", "''", "'x'", "'%s%d'", "'%099d'", "big", "t", "s",
    "{}", "nil", "objID", "true", "x", "function(a, b) return a < b end", "function() end",
    "string.rep", "#t", "{n = 2^31}", "setmetatable({}, {__index = t})", "big:sub(1, 1000)", "y",
};

const char* const kEvents[] = {"OnCreate", "OnTick", "OnUse"};

const char* const kPrelude =
    "big = string.rep('x', 2^20)\n"
    "t = {} for i = 1, 1000 do t[i] = i end\n"
    "s = {} for i = 1, 100 do s[i] = 'w' .. i end\n"
    "x, y = 0, 'y'\n";

class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data(data), size(size) {}
    bool done() const { return at >= size; }
    template <size_t N> const char* pick(const char* const (&list)[N]) { return list[next() % N]; }
    unsigned next() { return at < size ? data[at++] : 0; }

private:
    const uint8_t* data;
    size_t size;
    size_t at = 0;
};

// One statement: a protected call, the same call in a loop, or a call whose result is kept in
// x or y for later statements.
std::string statement(ByteReader& bytes) {
    unsigned shape = bytes.next();
    std::string call = bytes.pick(kFunctions);
    unsigned arguments = bytes.next() % 5;
    for (unsigned i = 0; i < arguments; ++i) call += std::string(", ") + bytes.pick(kArguments);
    call = "pcall(" + call + ")";
    switch (shape % 4) {
        case 0: return "for i = 1, 1e9 do " + call + " end";
        case 1: return "x = select(2, " + call + ") or x";
        case 2: return "y = select(2, " + call + ") or y";
        default: return call;
    }
}

}  // namespace

std::string scriptFromBytes(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    if (text.rfind("--", 0) == 0) return text;

    ByteReader bytes(data, size);
    std::string bodies[std::size(kEvents)];
    while (!bytes.done()) {
        unsigned event = bytes.next() % std::size(kEvents);
        bodies[event] += "  " + statement(bytes) + "\n";
    }
    std::string script = kPrelude;
    for (size_t i = 0; i < std::size(kEvents); ++i)
        script += std::string("function ") + kEvents[i] + "()\n" + bodies[i] + "end\n";
    return script;
}
