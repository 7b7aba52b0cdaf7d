-- table.insert's own loop runs two thousand million times for this position.
function OnCreate() end
function OnTick() table.insert({}, -2^31+1, "x") end
function OnUse() pcall(table.insert, {}, 2^40, "x") pcall(table.remove, {1}, -2^53) end
