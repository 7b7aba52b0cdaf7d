-- The library's looping functions with the most extreme arguments a script can give.
local calls = {
    function() return string.rep("", 2^31-1) end,
    function() return string.rep("ab", 1e15) end,
    function() return string.rep("a", 0/0) end,
    function() return table.concat({}, "", 1, 2^31-1) end,
    function() return table.concat({"a"}, "", -2^31, 2^31-1) end,
    function() local t = {} for i = 1, 1e5 do t[i] = i end table.sort(t, rawequal) end,
    function() local t = {} for i = 1, 1e5 do t[i] = i end table.foreach(t, math.randomseed) end,
    function() local t = {} for i = 1, 1e5 do t[i] = i end table.foreachi(t, math.randomseed) end,
    function() return tonumber(string.rep(" ", 2^20) .. "1") end,
    function() return string.format(string.rep("%%", 2^19)) end,
    function() return string.byte(string.rep("z", 2^16), 1, -1) end,
    function() return string.sub("abc", -2^53, 2^53) end,
    function() return select(-2^31) end,
    function() return math.random(2^31, -2^31) end,
    function() return setfenv(2^31, {}) end,
}
function OnCreate() end
function OnTick() for _, call in ipairs(calls) do pcall(call) end end
function OnUse() for i = 1, 1e9 do pcall(calls[i % #calls + 1]) end end
