#include "Unpack.h"

#include "RunBudget.h"

#include <climits>
#include <cmath>

namespace vlua {

namespace {
const int kMostResults = LUAI_MAXCSTACK;  // Lua refuses to grow a C call's stack beyond this
}

int boundedUnpack(lua_State* L) {
    luaL_checktype(L, 1, LUA_TTABLE);
    double first = std::trunc(luaL_optnumber(L, 2, 1));
    double last = lua_isnoneornil(L, 3) ? static_cast<double>(lua_objlen(L, 1))
                                        : std::trunc(luaL_checknumber(L, 3));
    if (first > last) return 0;
    double count = last - first + 1;
    // Written so that NaN fails the checks too.
    if (!(first >= INT_MIN && last <= INT_MAX))
        return luaL_error(L, "unpack range outside the integers refused");
    if (!(count <= kMostResults) || !lua_checkstack(L, static_cast<int>(count)))
        return luaL_error(L, "unpack of %f values refused: more than a call can return", count);
    chargeWork(L, count);
    const int from = static_cast<int>(first);
    const int to = static_cast<int>(last);
    for (int i = from;; ++i) {
        lua_rawgeti(L, 1, i);
        if (i == to) break;
    }
    return static_cast<int>(count);
}

}  // namespace vlua
