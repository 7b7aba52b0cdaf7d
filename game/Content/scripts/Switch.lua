-- The switch (1Switch) beside the door: finds the door by name and swings it a quarter turn.
function OnCreate()
end

function OnTick()
end

function OnUse()
    GetObjIDByName("3Door")
    if id == 0 then
        PrintString("Switch: there is no door\n")
        return
    end
    PrintString("Switch turns door ")
    PrintInt(id)
    PrintString("\n")
    RotateObjRelative(id, 0, -1.5707963, 0)
end
