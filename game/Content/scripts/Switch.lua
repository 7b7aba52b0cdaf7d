-- The switch (1Switch) on the wall left of the door: the door's only control. It moves only
-- while something lies on the plate right of the door; then it opens the door when it is shut
-- and shuts it when it is open, so the door swings between the two and never round into the
-- wall. The lever clunks when it moves and rattles when it is held fast; the door creaks as it
-- swings.
open = false

-- The loose objects of the level that could lie on the plate.
WEIGHTS = { "Crate1", "Crate2", "Crate3", "HeavyCrate" }

-- Whether one of them lies on the plate (within its reach on the floor, not carried above it).
function plateWeighed()
    GetObjIDByName("2Plate")
    if id == 0 then return true end
    local plate = {}
    GetPosition(id, plate)
    for _, name in ipairs(WEIGHTS) do
        GetObjIDByName(name)
        if id ~= 0 then
            local at = {}
            GetPosition(id, at)
            if math.abs(at.x - plate.x) <= 2.2 and math.abs(at.z - plate.z) <= 2.2 and at.y < 2.5 then
                return true
            end
        end
    end
    return false
end

function OnCreate() end
function OnTick() end

function OnUse()
    GetObjIDByName("3Door")
    if id == 0 then
        PrintString("Switch: there is no door\n")
        return
    end
    local door = id
    if not plateWeighed() then
        PlaySound(objID, "fx/level/switch_locked.wav")
        ShowMessage("The switch will not move while the plate right of the door is empty.")
        return
    end
    PlaySound(objID, "fx/level/switch_clunk.wav")
    PlaySound(door, "fx/level/door_creak.wav")
    if open then
        RotateObjRelative(door, 0, 1.5707963, 0)
        ShowMessage("The switch swings the door shut.")
    else
        RotateObjRelative(door, 0, -1.5707963, 0)
        ShowMessage("The switch swings the door open.")
        -- The way out answers through the open door.
        GetObjIDByName("2ExitPad")
        if id ~= 0 then PlaySound(id, "fx/level/exit_chime.wav") end
    end
    open = not open
end
