-- The ceiling fan (3Fan): a kinematic object that turns a little every frame.
function OnCreate()
    PrintString("Fan ")
    PrintInt(objID)
    PrintString(" spinning up\n")
end

function OnTick()
    RotateObjRelative(objID, 0, 0.03, 0)  -- radians about the vertical axis
end

function OnUse()
    PrintString("The fan hums overhead\n")
end
