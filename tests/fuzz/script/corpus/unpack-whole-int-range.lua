-- Lua's own unpack writes past the stack on this range.
function OnCreate() unpack({}, 0, 2^31-1) end
function OnTick() pcall(unpack, {}, -2^31, 2^31-1) pcall(unpack, {}, 0/0, 1) end
function OnUse() PrintInt(select('#', unpack({1, 2, 3}))) end
