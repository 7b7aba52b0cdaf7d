-- The weighing plate (2Plate) right of the door: the switch (Switch.lua) moves only while
-- something lies on it. Counts what rests on it, so it clicks down under the first weight and
-- back up, and says it is free, only when the last thing is taken off.
resting = 0

function OnCreate() end
function OnTick() end

function OnUse()
    ShowMessage("A metal plate set in the floor, level with it.")
end

function OnPlayerEnter()
    if resting == 0 then
        ShowMessage("A plate in the floor. It does not sink under your feet; a crate might weigh it down.")
    end
end

function OnObjectEnter(id)
    resting = resting + 1
    if resting == 1 then PlaySound(objID, "fx/level/plate_down.wav") end
    ShowMessage("Something weighs down the plate. The switch by the door can move now.")
end

function OnObjectLeave(id)
    resting = math.max(resting - 1, 0)
    if resting == 0 then
        PlaySound(objID, "fx/level/plate_up.wav")
        ShowMessage("Nothing weighs down the plate any more: the switch is locked.")
    end
end
