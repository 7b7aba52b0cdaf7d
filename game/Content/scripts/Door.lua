-- The door (3Door) in the north wall: heavy on its hinge; only the switch beside it swings it,
-- so the two always agree on whether it is open.
function OnCreate()
    local where = {}
    GetPosition(objID, where)
    PrintString("Door hinge at ")
    PrintFloat(where.x) PrintString(", ") PrintFloat(where.y) PrintString(", ") PrintFloat(where.z)
    PrintString("\n")
end

function OnUse()
    ShowMessage("The door will not move by hand; the switch on the wall left of it works it.")
end

function OnTick()
end
