#include "scripting/ScriptHost.h"

#include "luaplus/LuaException.h"
#include "luaplus/LuaObject.h"
#include "luaplus/LuaState.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Puts the stack top back however the call ends.
class StackTopGuard {
public:
    explicit StackTopGuard(vlua::LuaState* state) : state(state), top(state->GetTop()) {}
    ~StackTopGuard() { state->SetTop(top); }
    StackTopGuard(const StackTopGuard&) = delete;
    StackTopGuard& operator=(const StackTopGuard&) = delete;

private:
    vlua::LuaState* state;
    int top;
};

int truncatedResult(double result) {
    if (!std::isfinite(result)) return 0;
    return static_cast<int>(std::clamp(result, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

}  // namespace

int callScriptFunction(vlua::LuaState* state, const char* functionName, std::optional<int> argument) {
    vlua::LuaObject function = state->GetGlobal(functionName);
    if (!function.IsFunction()) throw vlua::LuaException("m_functionObj.IsFunction()");
    StackTopGuard guard(state);
    function.Push();
    if (argument) state->PushInteger(*argument);
    if (state->PCall(argument ? 1 : 0, 1, 0) != vlua::StatusOk) {
        const char* message = state->ToString(-1);
        throw vlua::LuaException("0", message ? message : "error object is not a string");
    }
    return truncatedResult(state->ToNumber(-1));
}
