-- Stopped every frame: ticked no more after three, OnUse still runs.
n = 0
function OnCreate() end
function OnTick() n = n + 1 local t = {} while true do t[#t % 100 + 1] = n end end
function OnUse() PrintInt(n) PrintString("\n") end
