-- The doormat (2Mat) before the door in the north wall. Stepping on it, the player hears the
-- door's controls: the switch on the wall to the left rattles at once, the plate in the floor to
-- the right rings a moment later.
plateDueAt = nil

function OnCreate() end

function OnTick()
    if plateDueAt == nil then return end
    local t = {}
    GetPlayTime(t)
    if t.seconds < plateDueAt then return end
    plateDueAt = nil
    GetObjIDByName("2Plate")
    if id ~= 0 then PlaySound(id, "fx/level/plate_up.wav") end
end

function OnUse()
    ShowMessage("A worn mat before the door.")
end

function OnPlayerEnter()
    ShowMessage("A mat before a door. Its switch is on the wall to the left of the door.")
    GetObjIDByName("1Switch")
    if id ~= 0 then PlaySound(id, "fx/level/switch_locked.wav") end
    local t = {}
    GetPlayTime(t)
    plateDueAt = t.seconds + 0.7
end
