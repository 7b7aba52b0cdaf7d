-- The switch (1Switch) beside the door: the door's only control. It opens the door when it is
-- closed and closes it when it is open, so the door swings between the two and never round
-- into the switch.
open = false

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
    if open then
        RotateObjRelative(id, 0, 1.5707963, 0)
        PrintString("The switch swings the door shut\n")
    else
        RotateObjRelative(id, 0, -1.5707963, 0)
        PrintString("The switch swings the door open\n")
    end
    open = not open
end
