-- An OnTick that never returns, every frame.
function OnCreate() end
function OnTick() while true do end end
function OnUse() PrintString("used\n") end
