-- 16 MiB strings printed every frame, and many small prints.
big = string.rep("x", 2^20) .. string.rep("y", 2^20)
function OnCreate() for i = 1, 8 do big = big .. big end end
function OnTick() PrintString(big) for i = 1, 1e5 do PrintFloat(1e38) PrintInt(i) end end
function OnUse() PrintString(big) end
