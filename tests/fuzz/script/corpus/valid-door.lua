-- A door that turns a quarter when used and counts its frames.
frames = 0
function OnCreate() GetObjIDByName("Fuzzed") end
function OnTick() frames = frames + 1 end
function OnUse()
    local p = {}
    GetPosition(objID, p)
    RotateObjRelative(objID, 0, -1.5707963, 0)
    PrintString("door at " .. tostring(p.x) .. "\n")
end
