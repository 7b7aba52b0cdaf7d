-- The door (3Door): swings open on its hinge when used, and shut when used again.
open = false

function OnCreate()
    local where = {}
    GetPosition(objID, where)
    PrintString("Door hinge at ")
    PrintFloat(where.x) PrintString(", ") PrintFloat(where.y) PrintString(", ") PrintFloat(where.z)
    PrintString("\n")
end

function OnUse()
    if open then
        RotateObjRelative(objID, 0, 1.5707963, 0)
        PrintString("The door swings shut\n")
    else
        RotateObjRelative(objID, 0, -1.5707963, 0)
        PrintString("The door swings open\n")
    end
    open = not open
end

function OnTick()
end
